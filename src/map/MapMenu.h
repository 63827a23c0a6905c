#pragma once

#include "app/AppContext.h"

#include <QObject>
#include <QPointer>

class MapWindow;
class QWidget;

// Opens the map of the départements and passes on the département the user clicks.
class MapMenu : public QObject
{
    Q_OBJECT

public:
    // parent: the window the map belongs to.
    MapMenu(AppContext context, QWidget* parent);

    void showMap();

Q_SIGNALS:
    void departementChosen(const QString& dpt);

private:
    AppContext m_context;
    QWidget* m_parent;
    QPointer<MapWindow> m_map;
};
