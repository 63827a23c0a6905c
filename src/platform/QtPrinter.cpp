#include "platform/QtPrinter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPrintDialog>
#include <QPrinter>

namespace {
// Metric-compatible faces for the Windows fonts reports ask for, so columns keep their places on
// machines that lack the originals.
QStringList familiesFor(const QString& name)
{
    QStringList families {name};
    if (name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        families << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono");
    else if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        families << QStringLiteral("Liberation Sans");
    return families;
}
} // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer, std::function<bool(QPrinter&)> askUser)
    : m_printer(std::move(printer))
    , m_askUser(std::move(askUser))
{
    if (!m_askUser) {
        m_askUser = [](QPrinter& p) {
            QPrintDialog dialog(&p, QApplication::activeWindow());
            return dialog.exec() == QDialog::Accepted;
        };
    }
}

QPrinter& QtPrinter::qprinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The name of the job in the printer queue, and of the PDF file the dialog offers.
    if (m_printer->docName().isEmpty())
        m_printer->setDocName(QStringLiteral("Kerlanic"));
    return *m_printer;
}

QtPrinter::~QtPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool QtPrinter::showPrintDialog()
{
    return m_askUser(qprinter());
}

QFont QtPrinter::currentFont() const
{
    QFont font;
    font.setFamilies(familiesFor(m_fontName));
    font.setStyleHint(m_fontName.contains(QLatin1String("Courier"), Qt::CaseInsensitive) ? QFont::TypeWriter
                                                                                         : QFont::AnyStyle);
    font.setPointSizeF(m_fontSize);
    font.setBold(m_bold);
    return font;
}

void QtPrinter::printLine(const QString& line)
{
    if (m_failed)
        return;
    if (!m_painter.isActive() && !beginPage())
        return;
    // The font of the lines is built once for as long as the settings stay the same: a report of
    // a large log prints tens of thousands of lines.
    const LineFont wanted {m_fontName, m_fontSize, m_bold};
    if (!m_lineFont || m_lineFont->settings != wanted) {
        const QFont font(currentFont(), &qprinter());
        const QFontMetricsF metrics(font, &qprinter());
        m_lineFont = PreparedFont {wanted, metrics.height(), metrics.ascent(), metrics.lineSpacing()};
        m_painter.setFont(font);
    }
    if (m_y > 0 && m_y + m_lineFont->height > m_pageHeight) {
        if (!qprinter().newPage()) {
            m_failed = true;
            return;
        }
        m_y = 0;
    }
    m_painter.drawText(QPointF(0, m_y + m_lineFont->ascent), line);
    m_y += m_lineFont->lineSpacing;
}

bool QtPrinter::beginPage()
{
    if (!m_painter.begin(&qprinter())) {
        m_failed = true;
        return false;
    }
    m_y = 0;
    m_pageHeight = qprinter().pageLayout().paintRectPixels(qprinter().resolution()).height();
    m_lineFont.reset();
    return true;
}

void QtPrinter::printPage(const std::function<void(QPainter&, const QRectF&)>& draw)
{
    if (m_failed)
        return;
    if (!m_painter.isActive()) {
        if (!beginPage())
            return;
    } else if (!qprinter().newPage()) {
        m_failed = true;
        return;
    }
    const QRect page = qprinter().pageLayout().paintRectPixels(qprinter().resolution());
    m_painter.save();
    draw(m_painter, QRectF(0, 0, page.width(), page.height()));
    m_painter.restore();
    // Lines printed after the drawing start on a new page.
    m_y = m_pageHeight;
}

bool QtPrinter::endDoc()
{
    bool ok = !m_failed;
    if (m_painter.isActive())
        ok = m_painter.end() && ok;
    m_failed = false;
    m_y = 0;
    return ok;
}
