#pragma once

#include "app/AppContext.h"
#include "map/Chase.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <memory>

namespace Ui {
class MapWindow;
}
struct MapPicture;

// "Carte des Départements": the log on the map of France, in the 10 Millions view or the DVF
// view, with the progress band under it. It follows the logbook: every time the log is read or
// written it counts the lines it is handed, and hovering only looks up what was counted.
class MapWindow : public QWidget
{
    Q_OBJECT

public:
    MapWindow(AppContext context, QWidget* parent);
    ~MapWindow() override;

    // What could not be read at opening (log, town list), in French; empty when all was read.
    const QString& problems() const { return m_problems; }

    // Writes the map, legend and date included, as a PNG or, for a name ending in ".svg", an
    // SVG drawing. Returns the reason in French when the file could not be written.
    QString saveImage(const QString& path) const;
    void printMap();

Q_SIGNALS:
    // A click on a département, to be listed in the main window.
    void departementChosen(const QString& code);

private:
    void count(const QList<QByteArray>& lines);
    void redraw();
    void askWhereToSave();
    MapPicture picture() const;

    std::unique_ptr<Ui::MapWindow> m_ui;
    AppContext m_context;
    QList<QByteArray> m_towns;
    Chase m_chase;
    QString m_problems;
};
