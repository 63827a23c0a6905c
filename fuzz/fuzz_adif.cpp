// Reading ADIF: any bytes, ADI or ADX, are read without fault; a damaged file gives no record at
// all, and what was read is written back as ASCII ADI that reads again as as many records.

#include "FuzzCheck.h"
#include "adif/AdifFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const AdifReadResult read = readAdif(bytes);
    if (!read.error.isEmpty()) {
        FUZZ_CHECK(read.records.isEmpty());
        return 0;
    }
    const QByteArray adi = writeAdi(read.records, {QStringLiteral("1.1.0"), {}});
    for (const char c : adi)
        FUZZ_CHECK(uchar(c) < 0x80);
    const AdifReadResult again = readAdif(adi);
    FUZZ_CHECK(again.error.isEmpty());
    FUZZ_CHECK(again.records.size() == read.records.size());
    return 0;
}
