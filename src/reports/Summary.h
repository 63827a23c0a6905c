#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The six numbers of the summary sheet, as its boxes show them: counts written without the
// blank of a sign ("0", "12"), no DFCF count at all when the log holds no reference, and the
// 10 Millions total.
struct Summary
{
    QString Nb_C_Contacte; // lines with a contact date
    QString Nb_C_Confirme; // lines with QSL status "3" or "4"
    QString Nb_D_Contacte; // départements 1 to 99 with a dated line
    QString Nb_D_Confirme; // départements 1 to 99 with a confirmed line
    QString NB_E_DFCF; // lines with a DFCF reference, whatever their status; empty when none
    QString NB_E_Quelvar; // Total_Points of the log
};

// Département of a line for the summary: the numeric value of its first two characters, "2A"
// and "2B" (capitals) both counting as Corsica, 20. "00000" lines are département 0, never
// counted as a département.
int summaryDepartement(QByteArrayView line);

Summary summarise(const QList<QByteArray>& log);
