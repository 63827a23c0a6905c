#pragma once

#include <QList>
#include <QPainterPath>
#include <QSizeF>
#include <QString>

// The outlines of the 96 départements, compiled in from Departements.txt (written by
// tools/data/generate-map.mjs), read once at first use. Coordinates are in the map's own unit,
// y downwards, within (0, 0) to size.
struct MapShape
{
    QString code; // "01", "2A"
    QString name;
    QPainterPath outline;
};

struct MapShapes
{
    QSizeF size;
    QList<MapShape> shapes; // in the file's order, which is the log's
};

const MapShapes& mapShapes();

// The shapes of an outline file's text; a malformed line is left out.
MapShapes parseMapShapes(const QByteArray& text);
