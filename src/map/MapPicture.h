#pragma once

#include "map/Chase.h"

#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTransform>

class QPainter;
struct MapShapes;

// Everything a drawing of the map shows: the screen, the printed page and the saved images are
// drawn by the same code, legend, title, date and credit included.
struct MapPicture
{
    Chase chase;
    bool dvfView = false;
    QString title; // the station's log
    QString date;
    QString hovered; // code of the département under the mouse, outlined
};

// Where the parts of a drawing go in an area. The map keeps its proportions, centred in what the
// title above and the legend below leave of the area.
struct MapLayout
{
    double unit = 12; // text height, from the size of the area
    QRectF title;
    QRectF map;
    QRectF legend;
    QRectF credit;
    QTransform toArea; // from the map's own unit to the area
    QRectF inset; // the box that shows Paris and its neighbours enlarged
    QTransform insetToArea; // from the map's own unit to that box
};

// The départements the inset enlarges.
extern const QStringList kParisInset;
MapLayout mapLayout(const QRectF& area, const MapShapes& shapes);

void drawMap(QPainter& painter, const QRectF& area, const MapShapes& shapes, const MapPicture& picture);

// The legend's words, in the order of its boxes, for a view.
QStringList legendTexts(bool dvfView);
