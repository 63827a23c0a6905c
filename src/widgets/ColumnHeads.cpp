#include "widgets/ColumnHeads.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

ColumnHeads::ColumnHeads(QWidget* parent)
    : QLabel(parent)
{ }

void ColumnHeads::follow(QAbstractItemView* list, const QList<ColumnHead>& heads)
{
    if (m_list)
        m_list->removeEventFilter(this);
    m_list = list;
    m_heads = heads;
    if (text().isEmpty()) {
        QStringList words;
        for (const ColumnHead& head : heads)
            words << head.text;
        setText(words.join(QLatin1String("  ")));
    }
    if (!list)
        return;
    list->installEventFilter(this);
    connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    updateGeometry();
    update();
}

void ColumnHeads::follow(QAbstractItemView* list, const QList<int>& columns)
{
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<ColumnHead> heads;
    for (qsizetype i = 0; i < words.size() && i < columns.size(); ++i)
        heads.append({words[i], columns[i]});
    follow(list, heads);
}

qreal ColumnHeads::columnAdvance() const
{
    return QFontMetricsF(m_list->font()).horizontalAdvance(QLatin1Char('0'));
}

qreal ColumnHeads::textOrigin() const
{
    const QWidget* top = window();
    const int listX = m_list->viewport()->mapTo(top, QPoint(0, 0)).x();
    const int ownX = mapTo(top, QPoint(0, 0)).x();
    // An item's text starts one focus margin (and a pixel) inside the viewport.
    const int margin = m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    return listX - ownX - m_list->horizontalScrollBar()->value() + margin;
}

QSize ColumnHeads::sizeHint() const
{
    const QSize plain = QLabel::sizeHint();
    if (!m_list || m_heads.isEmpty())
        return plain;
    const QFontMetricsF metrics(font());
    qreal right = 0;
    for (const ColumnHead& head : m_heads)
        right = std::max(right, head.column * columnAdvance() + metrics.horizontalAdvance(head.text));
    return {int(right) + 8, plain.height()};
}

QSize ColumnHeads::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void ColumnHeads::paintEvent(QPaintEvent* event)
{
    if (!m_list || m_heads.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const qreal origin = textOrigin();
    const qreal advance = columnAdvance();
    for (const ColumnHead& head : std::as_const(m_heads)) {
        const qreal x = origin + head.column * advance;
        painter.drawText(QRectF(x, 0, std::max<qreal>(0, width() - x), height()),
            Qt::AlignLeft | Qt::AlignVCenter, head.text);
    }
}

bool ColumnHeads::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list
        && (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Show
            || event->type() == QEvent::FontChange))
        update();
    return QLabel::eventFilter(watched, event);
}

void fitListToLines(QAbstractItemView& list, int characters, int lines)
{
    const QFontMetrics metrics(list.font());
    const int frame = 2 * list.frameWidth();
    const int margin = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    list.setMinimumWidth(
        metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) + frame + margin + scrollBar + 4);
    list.setMinimumHeight(metrics.lineSpacing() * lines + frame);
}
