#pragma once

#include <QStringList>

// The rules of the two awards, one list item per line; an empty string is a blank line. Some
// lines end with a blank: it belongs to the text.
QStringList reglement10Millions();
QStringList reglementDvf();
