#include "widgets/SecondaryWindows.h"

#include "app/WindowPlacement.h"
#include "platform/Screen.h"

#include <QStyle>

#include <algorithm>

int twipsToPixels(const QWidget& widget, int twips)
{
    return twips * widget.logicalDpiY() / 1440;
}

void placeCentred(QWidget& window, const Screen& screen, int extraTopTwips)
{
    const QRect area = screen.area();
    // A window larger than the screen (an old 800 x 600 screen, large fonts) is made to fit as
    // far as its contents allow, and never starts above or left of the screen: its title bar,
    // by which it is moved and closed, stays within reach. Before the first show the frame is not
    // known: room is kept for a title bar when fitting.
    QSize frame = window.frameGeometry().size() - window.size();
    if (frame.isEmpty())
        frame = QSize(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window));
    const QSize room = area.size() - frame;
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room));
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    const auto left = std::max<qint64>(0, centredOffset(area.width(), size.width()));
    const auto top = std::max<qint64>(
        0, centredOffset(area.height() + twipsToPixels(window, extraTopTwips), size.height()));
    window.move(area.left() + static_cast<int>(left), area.top() + static_cast<int>(top));
}
