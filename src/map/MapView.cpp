#include "map/MapView.h"

#include "map/MapShapes.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

MapView::MapView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(320, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapView::setPicture(MapPicture picture)
{
    picture.hovered = m_picture.hovered;
    m_picture = std::move(picture);
    update();
}

QString MapView::departementAt(const QPointF& point) const
{
    const MapShapes& shapes = mapShapes();
    const MapLayout layout = mapLayout(rect(), shapes);
    // Over the inset, only its départements are under the mouse.
    const bool inInset = layout.inset.contains(point);
    const QPointF mapPoint = (inInset ? layout.insetToArea : layout.toArea).inverted().map(point);
    for (const MapShape& shape : shapes.shapes) {
        if (inInset && !kParisInset.contains(shape.code))
            continue;
        if (shape.outline.controlPointRect().contains(mapPoint) && shape.outline.contains(mapPoint))
            return shape.code;
    }
    return {};
}

QPointF MapView::toWidget(const QPointF& mapPoint) const
{
    return mapLayout(rect(), mapShapes()).toArea.map(mapPoint);
}

QString MapView::hoverTextAt(const QPointF& point) const
{
    const QString code = departementAt(point);
    const DepartementChase* departement = m_picture.chase.find(code);
    if (!departement)
        return {};
    const auto& shapes = mapShapes().shapes;
    const auto shape
        = std::find_if(shapes.begin(), shapes.end(), [&](const MapShape& s) { return s.code == code; });
    return hoverText(*departement, shape->name);
}

void MapView::showTip(const QPointF& point, const QPoint& globalPoint)
{
    const QString text = hoverTextAt(point);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPoint, text, this);
}

bool MapView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        showTip(help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(event);
}

void MapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawMap(painter, rect(), mapShapes(), m_picture);
}

void MapView::mouseMoveEvent(QMouseEvent* event)
{
    const QString code = departementAt(event->position());
    if (code != m_picture.hovered) {
        m_picture.hovered = code;
        setCursor(code.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
        // A tip already shown follows the mouse from one département to the next.
        if (QToolTip::isVisible())
            showTip(event->position(), event->globalPosition().toPoint());
        update();
    }
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QString code = departementAt(event->position());
    if (!code.isEmpty())
        Q_EMIT departementChosen(code);
}

void MapView::leaveEvent(QEvent*)
{
    if (!m_picture.hovered.isEmpty()) {
        m_picture.hovered.clear();
        update();
    }
}
