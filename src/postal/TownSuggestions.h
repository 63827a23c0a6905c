#pragma once

#include <QStringList>
#include <QStringView>

class QLineEdit;

// Offers town names in a drop-down under a town field. The field keeps its text: a name goes
// into it only when the user picks one (a click, or Enter on the highlighted name), so the field
// stays empty until then and the user may as well type a name of their own. Typing narrows the
// list, whatever the case, accents, hyphens and apostrophes. Keys typed while the list is open
// reach the field by the normal road, through its event filters, so the field's own key
// handling (capitals, Enter checks) works as without the list. The list opens whenever the
// field is empty and has the focus.
//
// An empty list of names takes the suggestions away.
void offerTownNames(QLineEdit* field, const QStringList& names);

// The communes of a postal code from the compiled-in base, as the log holds typed towns
// ("ORLÉANS"); 2A000 and 2B200 as the log writes Corsica.
void offerTownsOfPostalCode(QLineEdit* field, QStringView postalCode);

// The names the field offers now, in their order; empty when it offers none.
QStringList offeredTownNames(const QLineEdit* field);
