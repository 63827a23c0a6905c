#include "app/StationSettings.h"

#include "log/Callsign.h"
#include "platform/SettingsStore.h"

namespace StationSettings {

QString storedCallsign(const SettingsStore& settings)
{
    const QString callsign = settings.read(kGlobalSection, kIndicatifStation, kDefaultCallsign);
    // The callsign names the log file: a value edited by hand that could point outside the
    // program's folder, or that no set-up could have written, is not used.
    return isStoredCallsign(callsign) ? callsign : kDefaultCallsign;
}

int listIndex(const QString& stored, int last)
{
    bool ok = false;
    const int index = stored.trimmed().toInt(&ok);
    if (!ok || index < -1 || index > last)
        return 0;
    return index;
}

} // namespace StationSettings
