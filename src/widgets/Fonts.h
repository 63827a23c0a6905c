#pragma once

#include <QFont>

// The fixed-pitch face of every on-screen listing, so that columns line up on any machine:
// "Terminal" 9 points where it exists, else the machine's fixed-pitch face.
QFont listingFont(bool bold = false);

// "Arial", or its metric-compatible stand-in.
QFont arialFont(const QFont& base);
