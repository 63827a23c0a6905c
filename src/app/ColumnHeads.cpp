#include "app/ColumnHeads.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace {

struct Word
{
    QString text;
    int index;
};

QList<Word> wordsOf(const QString& text)
{
    QList<Word> words;
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i)
        words.append({parts[i], i});
    return words;
}

} // namespace

ColumnHeads::ColumnHeads(QWidget* parent)
    : QLabel(parent)
{ }

void ColumnHeads::follow(QListWidget* list, const QList<int>& columns)
{
    if (m_list)
        m_list->removeEventFilter(this);
    m_list = list;
    m_columns = columns;
    if (!list)
        return;
    list->installEventFilter(this);
    connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    updateGeometry();
    update();
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
    if (!m_list || m_columns.isEmpty())
        return plain;
    const QList<Word> words = wordsOf(text());
    const QFontMetricsF metrics(font());
    qreal right = 0;
    for (const Word& word : words) {
        const int column = word.index < m_columns.size() ? m_columns[word.index] : 0;
        right = std::max(right, column * columnAdvance() + metrics.horizontalAdvance(word.text));
    }
    return {int(right) + 8, plain.height()};
}

QSize ColumnHeads::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void ColumnHeads::paintEvent(QPaintEvent* event)
{
    const QList<Word> words = wordsOf(text());
    if (!m_list || m_columns.size() != words.size()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const qreal origin = textOrigin();
    const qreal advance = columnAdvance();
    for (const Word& word : words) {
        const qreal x = origin + m_columns[word.index] * advance;
        painter.drawText(QRectF(x, 0, std::max<qreal>(0, width() - x), height()),
            Qt::AlignLeft | Qt::AlignVCenter, word.text);
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

void fitListToLines(QListWidget& list, int characters, int lines)
{
    const QFontMetrics metrics(list.font());
    const int frame = 2 * list.frameWidth();
    const int margin = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    list.setMinimumWidth(
        metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) + frame + margin + scrollBar + 4);
    list.setMinimumHeight(metrics.lineSpacing() * lines + frame);
}
