#pragma once

#include <functional>

class QObject;

// Calls `then` once, the first time the event loop turns after one of the program's windows was
// painted, the main window or a message shown before it: work that can wait for the first window
// is kept out of the moment the user waits for it. Nothing is called once `context` is gone.
void afterFirstWindowPainted(QObject& context, std::function<void()> then);
