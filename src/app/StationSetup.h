#pragma once

#include <QString>

#include <optional>

class SettingsStore;

// Setting up a station: the callsign and postal code typed in the Station window are checked,
// the station's log is found or created from the template, and the settings are written. The
// typed callsign stays apart from the one in use until all of it has succeeded, so a refused or
// failed set-up leaves the station in use, its log and its settings as they were.

// Why what was typed cannot be set up; both texts are already in upper case.
struct StationRefusal
{
    QString message;
    // The callsign holds a character that cannot name a file: the box is emptied.
    bool emptiesCallsign = false;
    // The postal code is refused, not the callsign: its box is the one to correct.
    bool aboutPostalCode = false;
};
std::optional<StationRefusal> refuseStation(const QString& callsign, const QString& postalCode);

// The station as the settings now hold it, or why nothing was changed.
struct StationSetup
{
    bool done = false;
    QString error;
    QString callsign;
    QString postalCode;
    // Set up, but the settings could not be written: what to tell the user, in French.
    QString notRemembered;
};

// For a new callsign the log is created as a byte-for-byte copy of the template (an empty log
// when the template is missing) and the band and mode start at the first of their lists; a
// known callsign keeps its log, band and mode, and takes the new postal code.
StationSetup setUpStation(
    const QString& appDir, SettingsStore& settings, const QString& callsign, const QString& postalCode);
