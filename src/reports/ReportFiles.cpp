#include "reports/ReportFiles.h"

#include "log/Cp1252.h"
#include "log/SafeFileWriter.h"
#include "log/StationLog.h"

#include <QDir>

namespace {

const QString kReportFont = QStringLiteral("Courier New");
constexpr double kReportFontSize = 9;

QString notSaved(const QString& fileName, const QString& why)
{
    return QStringLiteral("Le compte rendu %1 n'a pas été enregistré : %2.").arg(fileName, why);
}

} // namespace

ReportSaving saveReport(
    Report report, const QString& appDir, const QString& callsign, QDate today, const QString& total)
{
    ReportSaving saving;
    saving.fileName = reportFileName(report, callsign, today);

    QString readError;
    const QList<QByteArray> log = StationLog(appDir, callsign).readLines(&readError);
    if (!readError.isEmpty()) {
        // An empty report in place of an unreadable log would look like a log without contacts.
        saving.message = readError + QStringLiteral("\r\n\r\nLe compte rendu ") + saving.fileName
            + QStringLiteral(" n'a pas été enregistré.");
        return saving;
    }

    const QString text = reportFileLines(report, callsign, today, log, total).join(QStringLiteral("\r\n"))
        + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = Cp1252::encode(text);
    if (!bytes) {
        saving.message = notSaved(saving.fileName,
            QStringLiteral(
                "le total des points « %1 » contient un caractère que le fichier ne peut pas garder")
                .arg(total));
        return saving;
    }

    const QDir dir(appDir);
    QString writeError;
    if (!writeFileSafely(dir.filePath(saving.fileName), dir.filePath(StationLog::scratchFileName()), *bytes,
            &writeError)) {
        saving.message = notSaved(saving.fileName, writeError);
        return saving;
    }
    saving.saved = true;
    saving.message = QStringLiteral("Le log a été enregistré sous le nom : ") + saving.fileName;
    return saving;
}

PrintOutcome printReport(Report report, Printer& printer, const QString& appDir, const QString& callsign,
    QDate today, const QString& total, QString* message)
{
    // The log is read before the print dialog: an unreadable log is told at once instead of
    // printing a report without contacts.
    QString readError;
    const QList<QByteArray> log = StationLog(appDir, callsign).readLines(&readError);
    if (!readError.isEmpty()) {
        if (message)
            *message = readError + QStringLiteral("\r\n\r\nRien n'a été imprimé.");
        return PrintOutcome::Failed;
    }

    const PrintOutcome outcome = printWithFont(printer, kReportFont, kReportFontSize,
        [&] { return printedReportLines(report, callsign, today, log, total); });
    if (outcome == PrintOutcome::Failed && message)
        *message = QStringLiteral("L'impression a échoué : l'imprimante n'a pas reçu le compte rendu.");
    return outcome;
}
