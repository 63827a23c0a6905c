#pragma once

#include <QRect>

// The screen a window is placed on.
class Screen
{
public:
    virtual ~Screen() = default;
    // The usable area of the screen, in device-independent pixels.
    virtual QRect area() const = 0;
};
