// Entry checks: whatever is typed in the nine boxes, the checks answer without fault, and a row
// that passes every check always makes one log line that reads back as typed.
//
// Input: the boxes' texts in the order Enter walks through them, UTF-8, separated by 0xFF bytes
// (a byte that UTF-8 text never holds).

#include "FuzzCheck.h"
#include "entry/EntryRecord.h"
#include "entry/FieldChecks.h"
#include "log/LogRecord.h"
#include "log/StationLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\xff');
    EntryTexts texts;
    for (std::size_t i = 0; i < kEntryFieldCount && qsizetype(i) < parts.size(); ++i)
        texts.values[i] = QString::fromUtf8(parts[qsizetype(i)]);
    Verifie_Date(texts[EntryField::Date_A]);
    if (firstRefusedField(texts))
        return 0;

    const std::optional<QByteArray> line = buildRecord(texts);
    FUZZ_CHECK(line.has_value());
    FUZZ_CHECK(splitLogLines(*line + "\r\n") == QList<QByteArray> {*line});
    const LogRecord back = LogRecord::fromLine(*line);
    const auto readsBack = [&](LogField field, EntryField box) {
        return back[field] == texts[box].leftJustified(logColumn(field).width);
    };
    FUZZ_CHECK(readsBack(LogField::CodePostal, EntryField::C_Postal_A));
    FUZZ_CHECK(readsBack(LogField::DateQso, EntryField::Date_A));
    FUZZ_CHECK(readsBack(LogField::Indicatif, EntryField::Ind_A));
    FUZZ_CHECK(readsBack(LogField::Mode, EntryField::Mode_A));
    FUZZ_CHECK(readsBack(LogField::Bande, EntryField::Bande_A));
    FUZZ_CHECK(readsBack(LogField::RefDFCF, EntryField::DFCF_A));
    FUZZ_CHECK(readsBack(LogField::Commune, EntryField::Ville_A));
    return 0;
}
