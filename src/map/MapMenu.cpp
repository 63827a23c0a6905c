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
    const bool opening = !m_map;
    MapWindow* window = showSecondary(m_map, [this] {
        auto* map = new MapWindow(m_context, m_parent);
        connect(map, &MapWindow::departementChosen, this, &MapMenu::departementChosen);
        return map;
    });
    // Said once the window stands on screen, so the user sees what stays empty and why.
    if (opening && !window->problems().isEmpty())
        m_context.platform.messages.inform(window->problems());
}
