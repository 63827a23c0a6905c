#pragma once

#include <QColor>

class QWidget;

// The entry field that waits for input is light green; the others keep the normal colour of a
// text box.
inline const QColor kWaitingColour(192, 255, 192);

void markWaiting(QWidget* field, bool waiting);
bool isMarkedWaiting(const QWidget* field);
