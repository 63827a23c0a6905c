// Reading a listing line back: whatever a log line holds, when the line listed for it can be
// modified or cancelled it leads back to that log line, so that "Modifie une saisie" and "Annule
// une saisie" act on the line the user chose; and any text taken as the chosen line is read
// without fault.

#include "FuzzCheck.h"
#include "entry/ChosenLine.h"
#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "reports/Listing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray record(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString any = QString::fromUtf8(record);
    startModification(any);
    startCancel(any);
    chosenLineMatcher(any)(record);

    // A line of the log never holds a line end.
    if (record.contains('\n') || record.contains('\r'))
        return 0;
    const QString listed = listingLine(record);
    const ModificationStart modification = startModification(listed);
    const CancelStart cancel = startCancel(listed);
    FUZZ_CHECK(modification.refusal.isEmpty() == cancel.refusal.isEmpty());
    if (modification.refusal.isEmpty()) {
        FUZZ_CHECK(chosenLineMatcher(listed)(record));
        // The boxes are filled with what the record holds.
        FUZZ_CHECK(modification.fields[EntryField::Ville_A] == Cp1252::decode(fieldBytes(record, LogField::Commune)));
        FUZZ_CHECK(cancel.code == modification.fields[EntryField::C_Postal_A]);
    }
    return 0;
}
