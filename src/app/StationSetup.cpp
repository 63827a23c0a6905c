#include "app/StationSetup.h"

#include "app/StationSettings.h"
#include "log/Callsign.h"
#include "log/StationLog.h"
#include "platform/SettingsStore.h"

std::optional<StationRefusal> refuseStation(const QString& callsign, const QString& postalCode)
{
    if (callsign.isEmpty())
        return StationRefusal {QStringLiteral("Vous devez entrer un indicatif")};
    if (callsign.size() > kMaxCallsignLength)
        return StationRefusal {QStringLiteral("12 caracteres maximum pour l'indicatif")};
    if (!isStoredCallsign(callsign))
        return StationRefusal {
            QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe _ "),
            true};
    if (postalCode.isEmpty())
        return StationRefusal {QStringLiteral("Vous devez entrer un Code Postal"), false, true};
    if (postalCode.size() != 5)
        return StationRefusal {QStringLiteral("Le Code Postal doit comporter 5 chiffres"), false, true};
    return std::nullopt;
}

StationSetup setUpStation(
    const QString& appDir, SettingsStore& settings, const QString& callsign, const QString& postalCode)
{
    StationSetup setup;
    const bool isNew = !StationLog(appDir, callsign).exists();
    if (isNew) {
        QString error;
        if (!Nom_Fichier_Log(appDir, callsign, &error)) {
            setup.error
                = QStringLiteral("Le carnet %1 n'a pas pu être créé : %2.\r\nLa station n'a pas été changée.")
                      .arg(StationLog::fileName(callsign), error);
            return setup;
        }
    }

    const QString section = StationSettings::stationSection(callsign);
    bool kept = true;
    const auto write = [&](const QString& sectionName, const QString& key, const QString& value) {
        settings.write(sectionName, key, value);
        kept = kept && settings.lastWriteKept();
    };
    write(StationSettings::kGlobalSection, StationSettings::kIndicatifStation, callsign);
    write(section, StationSettings::kCPStation, postalCode);
    if (isNew) {
        write(section, StationSettings::kBandeUtilisee, QStringLiteral("0"));
        write(section, StationSettings::kModeUtilise, QStringLiteral("0"));
    }
    // The settings still hold the station in memory, so it is used until the program closes; the
    // next start would silently go back to the station before, its contacts seemingly gone.
    if (!kept)
        setup.notRemembered
            = QStringLiteral("La station %1 n'a pas pu être enregistrée dans les réglages (écriture "
                             "impossible dans %2).\r\n"
                             "Elle reste en service jusqu'à la fermeture de Kerlanic, mais au prochain "
                             "démarrage Kerlanic reprendra la station précédente. Ses contacts restent "
                             "dans le carnet %3.")
                  .arg(displayCallsign(callsign), settings.location(), StationLog::fileName(callsign));

    // What the rest of the program will read from now on.
    setup.callsign = StationSettings::storedCallsign(settings);
    setup.postalCode = settings.read(StationSettings::stationSection(setup.callsign),
        StationSettings::kCPStation, QStringLiteral("------"));
    setup.done = true;
    return setup;
}
