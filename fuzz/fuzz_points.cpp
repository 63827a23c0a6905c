// Scoring: any log is totalled without fault; a record scores nothing or its whole worth, and
// only when it is confirmed.

#include "FuzzCheck.h"
#include "log/Points.h"
#include "log/StationLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> lines = splitLogLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ScoringPass pass;
    qint64 total = 0;
    for (const QByteArray& line : lines) {
        // The département picks one of the pass's 100 counters.
        FUZZ_CHECK(scoringDepartement(line) >= 0 && scoringDepartement(line) < 100);
        const qint64 tenths = pass.nextTenths(line);
        FUZZ_CHECK(tenths == 0 || (isConfirmedRecord(line) && tenths == recordTenths(line)));
        FUZZ_CHECK(tenths >= 0 && tenths <= 99999 * 10 + 99999);
        total += tenths;
    }
    FUZZ_CHECK(Total_Points(lines) == formatPoints(total));
    return 0;
}
