#pragma once

#include <QString>

class Clock;

// The clock texts of the main window, each read afresh from the clock.
QString Heure_UTC(const Clock& clock); // "hh:mm:ss" in UTC
QString Heure_Locale(const Clock& clock); // "hh:mm:ss" local time
QString Date_UTC(const Clock& clock); // "dd/mm/yy" in UTC

struct ClockLabels
{
    QString utc; // "hh:mm Utc"
    QString local; // "hh:mm Loc"
    QString date; // "dd/mm/yy"
};

// What one tick of the clock shows.
ClockLabels clockTick(const Clock& clock);
