#pragma once

#include <QString>

class SettingsStore;

// Where the station identity and the last band and mode live in the settings store: the section
// "Setup " (its trailing blank is part of the name) for what is global, "Setup " followed by the
// callsign for what belongs to one station.
namespace StationSettings {

inline const QString kGlobalSection = QStringLiteral("Setup ");
inline QString stationSection(const QString& callsign)
{
    return kGlobalSection + callsign;
}

inline const QString kIndicatifStation = QStringLiteral("Indicatif Station");
inline const QString kCheminRepertoire = QStringLiteral("Chemin Repertoire");
inline const QString kCPStation = QStringLiteral("CP Station");
inline const QString kBandeUtilisee = QStringLiteral("bande Utilisee");
inline const QString kModeUtilise = QStringLiteral("Mode Utilise");
inline const QString kRevisionKey = QStringLiteral("Revision");
// The web site of the DFCF reference list, "http://" and the host name; written with its default
// at the first start so that the user finds it in the settings file.
inline const QString kAdresseDfcf = QStringLiteral("Adresse DFCF");

// The stored callsign, or "FXXXX" when the setting is absent or could not name a file.
QString storedCallsign(const SettingsStore& settings);

// A stored list index: -1 (nothing selected) up to last; anything else gives the first entry.
int listIndex(const QString& stored, int last);

} // namespace StationSettings
