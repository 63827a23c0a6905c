#pragma once

#include <QtGlobal>

// Where a window that places itself goes: half the room the screen leaves around it. The room is
// first made a whole number (halves to even), then halved by integer division toward zero, so a
// window larger than the screen gets a negative offset (placeCentred keeps it on the screen).
qint64 centredOffset(double screenExtent, double windowExtent);
