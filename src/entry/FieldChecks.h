#pragma once

#include "entry/EntryFields.h"

#include <QString>

// Enter in a box of the entry row checks its text; the first rule it breaks gives the message the
// user sees, and the entry stays where it is.

// 0 when the text is of the form JJ/MM/AA (digits around two "/"), 1 otherwise. Every position is
// looked at; the values are not: 31/02/07 and 99/99/99 pass. The caller has made sure the text is
// 8 characters long.
int Verifie_Date(const QString& text);

// The message refusing the text of a box, or an empty string when the text passes.
QString checkField(EntryField field, const QString& text);

// The message refusing a text that holds a character the log cannot store (one that
// Windows-1252 lacks, or an invisible control character), or an empty string.
QString unstorableCharacterMessage(EntryField field, const QString& text);
