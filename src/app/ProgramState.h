#pragma once

#include "log/Callsign.h"
#include "log/StationLog.h"

#include <QString>

// The program-wide state, owned by the application and handed to whoever needs it.
struct ProgramState
{
    // The folder that holds the program's files (logs, template, town list, reports).
    QString appDir;
    // The current station callsign, stored form; it names the log in use.
    QString Indicatif_Station = kDefaultCallsign;
    // True while a listed line is being modified: the save then replaces instead of adding.
    bool Modif_En_Cours = false;
    // The listing line chosen last, by a click or by the save that selects the last line.
    QString Ligne_Choisie;
    // Confirmed DVF towns found by the last results window or printout.
    int Nb_Villes_Confirmees = 0;

    StationLog stationLog() const { return StationLog(appDir, Indicatif_Station); }
};

// Revision text, with the blank that stands for a sign.
inline const QString kRevision = QStringLiteral(" 1.1.0");

// What "Historique" shows, each line ended by CR LF.
QString versionHistory();
