#include "reports/PrintJob.h"

#include "platform/Printer.h"

PrintOutcome printWithFont(Printer& printer, const QString& fontName, double fontSize,
                           const std::function<QStringList()>& makeLines)
{
    const QString keptName = printer.fontName();
    const double keptSize = printer.fontSize();
    printer.setFontName(fontName);
    printer.setFontBold(true);
    printer.setFontSize(fontSize);

    PrintOutcome outcome = PrintOutcome::Cancelled;
    if (printer.showPrintDialog()) {
        for (const QString& line : makeLines())
            printer.printLine(line);
        outcome = printer.endDoc() ? PrintOutcome::Printed : PrintOutcome::Failed;
    }

    printer.setFontBold(false);
    printer.setFontName(keptName);
    printer.setFontSize(keptSize);
    return outcome;
}
