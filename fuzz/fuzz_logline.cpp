// Reading the log: any bytes, as a whole file and line by line, are read without fault, and what
// a rewrite writes back reads as the same lines.

#include "FuzzCheck.h"
#include "log/LogRecord.h"
#include "log/StationLog.h"

namespace {

// The blanks between the columns of a record, as the program writes them.
bool separatorsAreBlank(const QByteArray& line)
{
    for (std::size_t i = 0; i + 1 < kLogColumns.size(); ++i) {
        for (qsizetype at = kLogColumns[i].start + kLogColumns[i].width; at < kLogColumns[i + 1].start; ++at) {
            if (line[at] != ' ')
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray contents(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> lines = splitLogLines(contents);

    // Every rewrite ends each line with CR LF: a copied line must come back unchanged.
    QByteArray written;
    for (const QByteArray& line : lines)
        written += line + "\r\n";
    FUZZ_CHECK(splitLogLines(written) == lines);

    for (const QByteArray& line : lines) {
        FUZZ_CHECK(sortKey(line) >= 0);
        const std::optional<QByteArray> again = LogRecord::fromLine(line).toLine();
        if (!again)
            continue;
        // A record written once is written the same way ever after; a whole one as it stood.
        FUZZ_CHECK(LogRecord::fromLine(*again).toLine() == again);
        if (line.size() >= kRecordLengthWithoutTown && separatorsAreBlank(line))
            FUZZ_CHECK(*again == line);
    }
    return 0;
}
