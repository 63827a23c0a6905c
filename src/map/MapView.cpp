#include "map/MapView.h"

#include "map/MapShapes.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

MapView::MapView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Carte des départements"));
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
    // Reached with Tab, the map shows it has the keyboard by a frame, which leaves its colours be.
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
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

void MapView::reach(const QString& code)
{
    const auto& shapes = mapShapes().shapes;
    const auto shape
        = std::find_if(shapes.begin(), shapes.end(), [&](const MapShape& s) { return s.code == code; });
    const DepartementChase* departement = m_picture.chase.find(code);
    if (shape == shapes.end() || !departement)
        return;
    m_picture.hovered = code;
    const QString text = hoverText(*departement, shape->name);
    setAccessibleDescription(text);
    const QPoint centre = toWidget(shape->outline.boundingRect().center()).toPoint();
    QToolTip::showText(mapToGlobal(centre), text, this);
    update();
}

void MapView::keyPressEvent(QKeyEvent* event)
{
    const auto& shapes = mapShapes().shapes;
    const auto current = std::find_if(
        shapes.begin(), shapes.end(), [&](const MapShape& s) { return s.code == m_picture.hovered; });
    const qsizetype at = current == shapes.end() ? -1 : current - shapes.begin();
    const QString typed = event->text().toUpper();
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        reach(shapes[at + 1 < shapes.size() ? at + 1 : 0].code);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        reach(shapes[at > 0 ? at - 1 : shapes.size() - 1].code);
        return;
    case Qt::Key_Home:
        reach(shapes.first().code);
        return;
    case Qt::Key_End:
        reach(shapes.last().code);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (at >= 0)
            Q_EMIT departementChosen(m_picture.hovered);
        return;
    default:
        break;
    }
    if (typed.size() != 1 || !typed.front().isLetterOrNumber()) {
        QWidget::keyPressEvent(event);
        return;
    }
    // "4" then "5" goes to 45; a start no number has begins anew from the character typed.
    const auto startingWith = [&](const QString& start) {
        return std::find_if(
            shapes.begin(), shapes.end(), [&](const MapShape& s) { return s.code.startsWith(start); });
    };
    m_typed = startingWith(m_typed + typed) != shapes.end() ? m_typed + typed : typed;
    const auto whole
        = std::find_if(shapes.begin(), shapes.end(), [&](const MapShape& s) { return s.code == m_typed; });
    if (whole != shapes.end()) {
        reach(whole->code);
        m_typed.clear();
    }
}

void MapView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void MapView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void MapView::leaveEvent(QEvent*)
{
    if (!m_picture.hovered.isEmpty()) {
        m_picture.hovered.clear();
        update();
    }
}
