#pragma once

#include "adif/AdifFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// How a line of the log and an ADIF record stand for each other: bands, modes, dates, the
// département as STATE and DXCC, and the application fields that bring back what ADIF has no
// field for.

// The band of the band list ("14 Mhz") as ADIF names it ("20m"); empty for a band ADIF has no
// name for in the list.
QString adifBandOf(QStringView bandLabel);
// The band list's label for an ADIF band (any case), empty when the list has no such band.
QString bandLabelOf(QStringView adifBand);
// The ADIF band a frequency (MHz) falls in, empty when it is in none.
QString adifBandOfFrequency(double megahertz);

// MODE and SUBMODE for a mode text of the log; both empty for a text ADIF does not know.
struct AdifMode
{
    QString mode;
    QString submode;
};
AdifMode adifModeOf(QStringView modeText);
// The mode text the log stores for a contact in that MODE and SUBMODE: SSB whatever its
// sideband, PSK31 for PSK31, otherwise the submode when there is one, else the mode; at most
// the 6 characters of the column.
QString logModeOf(const AdifMode& mode);

// "12/03/06" -> "20060312"; empty for a date that is not one. The log writes two digits of the
// year: a contact is never in the future, so a year after thisYear in 20xx is 19xx.
QString adifDateOf(QStringView logDate, int thisYear);
// "20060312" -> "12/03/06"; empty for a date that is not one.
QString logDateOf(QStringView adifDate);

// A log line is a contact unless it is a held postal code without a date.
bool isContactLine(QByteArrayView line);

// The ADIF record of a contact line, written in thisYear.
AdifRecord adifRecordOf(QByteArrayView line, int thisYear);

enum class AdifFormat { Adi, Adx };
// ADX when the file name ends in ".adx", ADI otherwise.
AdifFormat adifFormatOf(const QString& fileName);

struct AdifExport
{
    QByteArray bytes;
    int exported = 0;
    // Held postal codes without a contact, not exported.
    int held = 0;
};
AdifExport exportLog(const QList<QByteArray>& lines, AdifFormat format, const AdifHeader& header);
// The count and its word in agreement with it: "1 contact", "2 contacts" (0 takes the singular).
QString plural(int count, const QString& one, const QString& many);
// What the user is told once the file is written.
QString exportSummary(const AdifExport& done, const QString& fileName);
