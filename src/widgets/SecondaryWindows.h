#pragma once

#include "platform/Messages.h"

#include <QPointer>
#include <QWidget>

class Screen;

// Twips are the unit of the window designs: 1440 to the inch.
int twipsToPixels(const QWidget& widget, int twips);

// Moves a window to the centre of the screen (extraTopTwips lower), by the program's one
// placement rule.
void placeCentred(QWidget& window, const Screen& screen, int extraTopTwips = 0);

// A secondary window is created on first use, shown without being modal and deleted when the
// user closes it; choosing it again while it is open only brings it to the front. make() builds
// the window, which computes its content as it is built.
template <typename W, typename Make> W* showSecondary(QPointer<W>& slot, Make&& make)
{
    if (slot) {
        slot->showNormal();
        slot->raise();
        slot->activateWindow();
        return slot.data();
    }
    W* window = make();
    window->setAttribute(Qt::WA_DeleteOnClose);
    slot = window;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// The same for a window that may open without all it needs (a missing file): what it lacks,
// its problems(), is said once the window stands on screen, so the user sees what stays empty
// and why. Brought to the front again, it says nothing more.
template <typename W, typename Make>
W* showSecondaryAndProblems(QPointer<W>& slot, Messages& messages, Make&& make)
{
    const bool opening = !slot;
    W* window = showSecondary(slot, std::forward<Make>(make));
    if (opening && !window->problems().isEmpty())
        messages.inform(window->problems());
    return window;
}
