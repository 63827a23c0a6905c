#include "log/Callsign.h"

bool isStoredCallsign(QStringView callsign)
{
    if (callsign.isEmpty() || callsign.size() > kMaxCallsignLength)
        return false;
    for (QChar c : callsign) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || u == '_'))
            return false;
    }
    return true;
}

QString displayCallsign(const QString& stored)
{
    QString shown = stored;
    return shown.replace(QLatin1Char('_'), QLatin1Char('/'));
}
