#include "app/ClockTexts.h"

#include "platform/Clock.h"

namespace {
QString timeText(const QDateTime& moment)
{
    return moment.time().toString(QStringLiteral("HH:mm:ss"));
}
} // namespace

QString Heure_UTC(const Clock& clock)
{
    return timeText(clock.utcNow());
}

QString Heure_Locale(const Clock& clock)
{
    return timeText(clock.localNow());
}

QString Date_UTC(const Clock& clock)
{
    return clock.utcNow().date().toString(QStringLiteral("dd/MM/yy"));
}

ClockLabels clockTick(const Clock& clock)
{
    ClockLabels labels;
    labels.utc = Heure_UTC(clock).left(5) + QStringLiteral(" Utc");
    labels.local = Heure_Locale(clock).left(5) + QStringLiteral(" Loc");
    labels.date = Date_UTC(clock);
    return labels;
}
