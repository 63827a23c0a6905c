#include "map/MapShapes.h"

#include <QFile>

namespace {

// "x y dx dy dx dy …": the first point absolute, each next one relative to the point before.
bool addRing(QPainterPath& path, QByteArrayView ring, double scale)
{
    const QList<QByteArray> numbers = ring.toByteArray().split(' ');
    if (numbers.size() < 6 || numbers.size() % 2 != 0)
        return false;
    qint64 x = 0;
    qint64 y = 0;
    for (qsizetype i = 0; i < numbers.size(); i += 2) {
        bool okX = false;
        bool okY = false;
        x += numbers[i].toLongLong(&okX);
        y += numbers[i + 1].toLongLong(&okY);
        if (!okX || !okY)
            return false;
        const QPointF point(double(x) / scale, double(y) / scale);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return true;
}

} // namespace

MapShapes parseMapShapes(const QByteArray& text)
{
    // The file holds tenths of the map's unit.
    constexpr double kScale = 10;
    MapShapes map;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 3 && fields[0] == "size") {
            map.size = QSizeF(fields[1].toDouble() / kScale, fields[2].toDouble() / kScale);
            continue;
        }
        if (fields.size() != 3)
            continue;
        MapShape shape {QString::fromLatin1(fields[0]), QString::fromUtf8(fields[1]), {}};
        shape.outline.setFillRule(Qt::WindingFill);
        bool ok = true;
        for (const QByteArray& ring : fields[2].split(';'))
            ok = ok && addRing(shape.outline, ring, kScale);
        if (ok)
            map.shapes << shape;
    }
    return map;
}

const MapShapes& mapShapes()
{
    static const MapShapes map = [] {
        QFile file(QStringLiteral(":/map/Departements.txt"));
        return file.open(QIODevice::ReadOnly) ? parseMapShapes(file.readAll()) : MapShapes {};
    }();
    return map;
}
