#pragma once

#include "map/MapPicture.h"

#include <QWidget>

// The map on screen: coloured by the chase it is given, told about under the mouse, and a
// click on a département chooses it. It works from what it holds: hovering never reads the log.
// Without a mouse, the arrows go from one département to the next in number order, typing a
// number ("45", "2A") goes to it, Enter chooses it; what hovering tells is shown and given to
// screen readers.
class MapView : public QWidget
{
    Q_OBJECT

public:
    explicit MapView(QWidget* parent = nullptr);

    void setPicture(MapPicture picture);
    const MapPicture& picture() const { return m_picture; }

    // The département at a point of the widget; empty over the sea.
    QString departementAt(const QPointF& point) const;
    // What hovering tells at a point of the widget; empty over the sea.
    QString hoverTextAt(const QPointF& point) const;
    // Where a point of the map's own unit stands in the widget.
    QPointF toWidget(const QPointF& mapPoint) const;

    QSize sizeHint() const override { return {640, 640}; }

Q_SIGNALS:
    void departementChosen(const QString& code);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Outlines a département reached from the keyboard and tells about it.
    void reach(const QString& code);
    // Shows what hovering tells at a point of the widget, or hides the tip over the sea.
    void showTip(const QPointF& point, const QPoint& globalPoint);

    MapPicture m_picture;
    QString m_typed; // the characters of a département's number typed so far
};
