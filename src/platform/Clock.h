#pragma once

#include <QDateTime>

// The system clock, read in UTC and in local time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime utcNow() const = 0;
    virtual QDateTime localNow() const = 0;
};
