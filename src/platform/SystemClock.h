#pragma once

#include "platform/Clock.h"

class SystemClock : public Clock
{
public:
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
};
