#include "app/WindowPlacement.h"

#include <cmath>

qint64 centredOffset(double screenExtent, double windowExtent)
{
    // std::nearbyint rounds halves to even in the default rounding mode.
    const auto room = static_cast<qint64>(std::nearbyint(screenExtent - windowExtent));
    return room / 2;
}
