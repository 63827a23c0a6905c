#include "reports/ColumnHeads.h"

#include <QFontMetricsF>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

ColumnHeads::ColumnHeads(QWidget* parent)
    : QLabel(parent)
{
    // The list below gives the width; the heads take one line.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ColumnHeads::alignTo(QListWidget* list, const QList<int>& columns)
{
    m_list = list;
    m_columns = columns;
    if (list)
        connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    update();
}

QSize ColumnHeads::sizeHint() const
{
    return minimumSizeHint();
}

QSize ColumnHeads::minimumSizeHint() const
{
    return {0, fontMetrics().height() + 2};
}

void ColumnHeads::paintEvent(QPaintEvent* event)
{
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!m_list || words.size() != m_columns.size()) {
        QLabel::paintEvent(event);
        return;
    }
    // Where the text of a list item begins, in this label's coordinates.
    const QWidget* viewport = m_list->viewport();
    const int viewportLeft = mapFromGlobal(viewport->mapToGlobal(QPoint(0, 0))).x();
    const qreal origin = viewportLeft - m_list->horizontalScrollBar()->value()
        + m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    const qreal advance = QFontMetricsF(m_list->font()).horizontalAdvance(QLatin1Char('0'));

    QPainter painter(this);
    // Heads of columns scrolled out of the list are not drawn beside it.
    painter.setClipRect(QRect(viewportLeft, 0, viewport->width(), height()));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const qreal baseline = (height() + fontMetrics().ascent() - fontMetrics().descent()) / 2.0;
    for (qsizetype i = 0; i < words.size(); ++i)
        painter.drawText(QPointF(origin + m_columns[i] * advance, baseline), words[i]);
}
