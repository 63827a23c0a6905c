#pragma once

// What both benchmark programs need: the best time of several runs, the peak memory of the
// process so far, the heap in use, and flushing a file to disk.

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <functional>
#include <vector>

#ifdef Q_OS_WIN
#include <io.h>
#include <psapi.h>
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

// The best of several times: what the machine allows shows in the run that no other program
// slowed down, for the floors and the operations alike.
inline double best(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

// The best time of several runs, in milliseconds.
inline double bestMs(const std::function<void()>& operation, int runs = 7)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        operation();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return best(times);
}

inline long peakKilobytes()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters {};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return long(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

// Bytes the heap holds for the program; -1 where the C library cannot tell.
inline long long heapBytesInUse()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
#else
    return -1;
#endif
}

inline bool syncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}
