#pragma once

// What both benchmark programs need: the peak memory of the process so far.

#include <sys/resource.h>

inline long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
