#pragma once

#include "reports/PrintJob.h"
#include "reports/ReportLines.h"

#include <QDate>
#include <QString>

class Printer;

// What became of a report file, and the message that tells the user.
struct ReportSaving
{
    bool saved = false;
    QString fileName; // without the folder
    QString message;
};

// Writes the report of the station's log into the program folder as <prefix><callsign>_<stamp>.txt
// (Windows-1252, CR LF), replacing a report of the same name. The file is written whole through a
// scratch file, so a failure leaves no half-written report under the final name, and the message
// then says that the report was not saved.
ReportSaving saveReport(
    Report report, const QString& appDir, const QString& callsign, QDate today, const QString& total);

// Prints the report of the station's log in "Courier New" bold 9 points, with the printer's own
// font put back afterwards. message receives what to tell the user when the report could not be
// printed; a cancelled print dialog prints nothing and needs no message.
PrintOutcome printReport(Report report, Printer& printer, const QString& appDir, const QString& callsign,
    QDate today, const QString& total, QString* message);
