#include "map/MapMenu.h"

#include "map/MapWindow.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "widgets/SecondaryWindows.h"

MapMenu::MapMenu(AppContext context, QWidget* parent)
    : QObject(parent)
    , m_context(context)
    , m_parent(parent)
{ }

void MapMenu::showMap()
{
    showSecondaryAndProblems(m_map, m_context.platform.messages, [this] {
        auto* map = new MapWindow(m_context, m_parent);
        connect(map, &MapWindow::departementChosen, this, &MapMenu::departementChosen);
        return map;
    });
}
