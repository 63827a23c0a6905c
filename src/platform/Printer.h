#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// The printer, driven line by line. Its font settings outlive a print job, so a caller that
// changes them for its report puts them back when it is done.
class Printer
{
public:
    virtual ~Printer() = default;

    virtual QString fontName() const = 0;
    virtual double fontSize() const = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;

    // Shows the print dialog; false when the user cancels it.
    virtual bool showPrintDialog() = 0;
    // Prints one line; a line that does not fit on the page goes to the next one.
    virtual void printLine(const QString& line) = 0;
    // Prints a drawing on a page of its own: draw paints within the given area of the page, in
    // the painter's units.
    virtual void printPage(const std::function<void(QPainter&, const QRectF&)>& draw) = 0;
    // Ends the document so that the printer receives the job; false when it failed.
    virtual bool endDoc() = 0;
};
