#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Printer;

enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints a report with a font borrowed for the job: the printer's font name and size are kept,
// the report's font (bold) is set and the print dialog shown; when the user accepts, the lines
// that makeLines() builds are printed and the document ended. Whatever happens, bold is switched
// off and the kept font name and size are put back. makeLines() runs only after the dialog was
// accepted, so a cancelled dialog reads nothing and prints nothing.
PrintOutcome printWithFont(Printer& printer, const QString& fontName, double fontSize,
                           const std::function<QStringList()>& makeLines);
