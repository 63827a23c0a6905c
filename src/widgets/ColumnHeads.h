#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>

class QAbstractItemView;

// One head of a column: its text and the character column (0-based) of the list lines where it
// starts.
struct ColumnHead
{
    QString text;
    int column = 0;
};

// The column heads over a fixed-pitch list. Each head is drawn at its column of the list, so the
// heads stand over their columns whatever the fonts of the heads and of the list, and follow the
// list when it scrolls sideways. The label's text stays the header as written, for whoever reads
// the window aloud.
class ColumnHeads : public QLabel
{
    Q_OBJECT

public:
    explicit ColumnHeads(QWidget* parent = nullptr);

    // The list under the heads, and the heads.
    void follow(QAbstractItemView* list, const QList<ColumnHead>& heads);
    // The same when each word of text() is a head: columns gives where each word starts.
    void follow(QAbstractItemView* list, const QList<int>& columns);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where column 0 of the list's items lies, in this label's coordinates.
    qreal textOrigin() const;
    qreal columnAdvance() const;

    QPointer<QAbstractItemView> m_list;
    QList<ColumnHead> m_heads;
};

// Makes a fixed-pitch list wide enough for lines of the given number of characters, without a
// horizontal scroll bar, and tall enough for the given number of lines.
void fitListToLines(QAbstractItemView& list, int characters, int lines);
