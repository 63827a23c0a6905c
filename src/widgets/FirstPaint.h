#pragma once

#include <functional>

class QWidget;

// Calls `then` once, the first time the program waits for events after `window` was painted: work
// that can wait for the window is kept out of the moment the user waits for it to appear.
void afterFirstPaint(QWidget& window, std::function<void()> then);
