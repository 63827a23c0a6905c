#pragma once

#include <QIcon>

// Kerlanic's icon in every size drawn for it; both programs put it on all their windows.
QIcon programIcon();
