#pragma once

#include "platform/Printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>
#include <optional>

// The system printer behind the line-by-line printer interface. Lines run down the page and
// continue on the next one when the page is full.
class QtPrinter : public Printer
{
public:
    // askUser shows the print dialog for the given printer and tells whether to print; by default
    // Qt's print dialog.
    explicit QtPrinter(std::unique_ptr<QPrinter> printer = {}, std::function<bool(QPrinter&)> askUser = {});
    ~QtPrinter() override;

    QString fontName() const override { return m_fontName; }
    double fontSize() const override { return m_fontSize; }
    void setFontName(const QString& name) override { m_fontName = name; }
    void setFontSize(double points) override { m_fontSize = points; }
    void setFontBold(bool bold) override { m_bold = bold; }

    bool showPrintDialog() override;
    void printLine(const QString& line) override;
    void printPage(const std::function<void(QPainter&, const QRectF&)>& draw) override;
    bool endDoc() override;

    // The printer, made on first use: making one loads the system's print support and looks for
    // printers, which the start of the program must not wait for.
    QPrinter& qprinter();

private:
    QFont currentFont() const;
    bool beginPage();

    struct LineFont
    {
        QString name;
        double size = 0;
        bool bold = false;
        bool operator==(const LineFont&) const = default;
    };
    struct PreparedFont
    {
        LineFont settings;
        qreal height = 0;
        qreal ascent = 0;
        qreal lineSpacing = 0;
    };

    std::unique_ptr<QPrinter> m_printer;
    std::function<bool(QPrinter&)> m_askUser;
    QPainter m_painter;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 10.0;
    bool m_bold = false;
    std::optional<PreparedFont> m_lineFont;
    qreal m_pageHeight = 0;
    qreal m_y = 0;
    bool m_failed = false;
};
