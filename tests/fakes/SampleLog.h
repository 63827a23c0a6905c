#pragma once

#include "TestFiles.h"

// Records of a real-looking log, in postal-code order, for the tests of the log, the look-up and
// the windows.
namespace SampleLog {

// Two records that carry only a DFCF reference.
inline const QByteArray kDfcf
    = TestFiles::record("00000", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45050", "");
inline const QByteArray kDfcfOther
    = TestFiles::record("00000", "20/05/07", "F6ZZZ", '2', "CW", "7.0 Mhz", "37001", "");
inline const QByteArray kBourg
    = TestFiles::record("01000", "01/02/07", "F6ABC", '2', "CW", "7.0 Mhz", "", "BOURG EN BRESSE");
inline const QByteArray kAjaccio
    = TestFiles::record("2A004", "03/04/08", "TK5XY", '3', "SSB", "14 Mhz", "", "AJACCIO");
inline const QByteArray kOrleans
    = TestFiles::record("45000", "12/03/06", "F1ABC", '4', "SSB", "14 Mhz", "45123", "ORLÉANS");
// A postal code held without a contact.
inline const QByteArray kHeld = TestFiles::record("45100", "", "", '0', "", "", "", "ORLÉANS LA SOURCE");
inline const QByteArray kOlivet
    = TestFiles::record("45160", "14/07/09", "F8AAA", '2', "FM", "144 Mhz", "", "OLIVET");
inline const QByteArray kParis
    = TestFiles::record("75001", "05/05/09", "F4XYZ", '1', "FM", "432 Mhz", "", "PARIS");

} // namespace SampleLog
