#pragma once

#include "entry/EntryFields.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the look-up of a postal code puts on the main window. It is computed from the log alone;
// the entry row applies it to the widgets.
struct LookUpOutcome
{
    // Liste_CP: every record of the postal code's département.
    QList<QByteArray> records;
    // L_Communes: untouched when the département has no line in the log.
    std::optional<QString> caption;
    // The boxes to fill; Ville_A is always emptied or filled.
    EntryChanges fields;
    // Status_A and the caption of Valide_A, when they change.
    std::optional<QString> status;
    std::optional<QString> saveCaption;
    // The one message of the look-up, or empty.
    QString message;
    // 1 when the entry may go on, 0 when the postal code blocks it.
    int result = 0;
};

inline const QString kNouveauCodePostal = QStringLiteral("Nouveau Code Postal");
inline const QString kNouveauCanton = QStringLiteral("Nouveau Canton");

// Looks a postal code up in the lines of a log. A postal code that is not in the log is announced
// as new, whatever the boxes already hold: a user who typed the callsign first and then corrected
// the code must not be blocked without a word. The status line always speaks of the code looked up.
//
// A code whose matching lines are all held codes (status "0", no date) is a "Nouveau Canton": the
// entry goes on, with the town of the held line, wherever that line stands in the log. A code
// with any other matching line has been contacted and blocks the entry; the boxes show the last
// matching line.
LookUpOutcome Cherche_CP(const QString& code, const QList<QByteArray>& log);

// The look-up in a log that exists but cannot be read: the entry is blocked with the reason, since
// a code already contacted must never be taken for a new one. The status line is emptied: it
// cannot say anything true of the code.
LookUpOutcome unreadableLogLookUp(const QString& readError);
