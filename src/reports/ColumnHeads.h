#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>

class QListWidget;

// The column header over a fixed-pitch list. The label keeps its whole text, blanks included,
// but draws each word of it over the character column of the list where that column begins, so
// the heads stay over their columns whatever the fonts and however the list is scrolled.
class ColumnHeads : public QLabel
{
    Q_OBJECT

public:
    explicit ColumnHeads(QWidget* parent = nullptr);

    // columns: for each blank-separated word of the text, the 0-based character column of the
    // list's lines it heads. Without a column for every word the text is drawn as it stands.
    void alignTo(QListWidget* list, const QList<int>& columns);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QListWidget> m_list;
    QList<int> m_columns;
};
