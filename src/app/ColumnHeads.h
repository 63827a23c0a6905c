#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>

class QListWidget;

// The column header over a fixed-pitch list. Its text stays the header as written; each word of
// it is drawn at the list column given for it, so the heads stand over their columns whatever the
// fonts of the header and of the list.
class ColumnHeads : public QLabel
{
    Q_OBJECT

public:
    explicit ColumnHeads(QWidget* parent = nullptr);

    // The list under the header, and for each word of text() the character column (0-based) of
    // the list lines where it starts.
    void follow(QListWidget* list, const QList<int>& columns);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where column 0 of the list's items lies, in this label's coordinates.
    qreal textOrigin() const;
    qreal columnAdvance() const;

    QPointer<QListWidget> m_list;
    QList<int> m_columns;
};

// Makes a fixed-pitch list wide enough for lines of the given number of characters, without a
// horizontal scroll bar, and tall enough for the given number of lines.
void fitListToLines(QListWidget& list, int characters, int lines);
