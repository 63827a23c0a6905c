#include "widgets/SecondaryWindows.h"

#include "app/WindowPlacement.h"
#include "platform/Screen.h"

int twipsToPixels(const QWidget& widget, int twips)
{
    return twips * widget.logicalDpiY() / 1440;
}

void placeCentred(QWidget& window, const Screen& screen, int extraTopTwips)
{
    const QRect area = screen.area();
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    const auto left = centredOffset(area.width(), size.width());
    const auto top = centredOffset(area.height() + twipsToPixels(window, extraTopTwips), size.height());
    window.move(area.left() + static_cast<int>(left), area.top() + static_cast<int>(top));
}
