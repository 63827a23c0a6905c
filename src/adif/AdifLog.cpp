#include "adif/AdifLog.h"

#include "app/StationLists.h"
#include "log/LogRecord.h"
#include "log/QslStatus.h"
#include "reports/ReportLines.h"

#include <QDate>

#include <array>

namespace {

struct Band
{
    const char16_t* adif;
    double low; // MHz, both edges included
    double high;
};

// The bands of the band list, in its order, with their ADIF names and edges.
constexpr std::array<Band, 17> kListedBands {{
    {u"160m", 1.8, 2.0},
    {u"80m", 3.5, 4.0},
    {u"40m", 7.0, 7.3},
    {u"30m", 10.1, 10.15},
    {u"20m", 14.0, 14.35},
    {u"17m", 18.068, 18.168},
    {u"15m", 21.0, 21.45},
    {u"12m", 24.89, 24.99},
    {u"10m", 28.0, 29.7},
    {u"6m", 50, 54},
    {u"2m", 144, 148},
    {u"70cm", 420, 450},
    {u"23cm", 1240, 1300},
    {u"13cm", 2300, 2450},
    {u"6cm", 5650, 5925},
    {u"3cm", 10000, 10500},
    {u"1.25cm", 24000, 24250},
}};

// Bands of ADIF that the band list lacks: a contact there is named, then refused.
constexpr std::array<Band, 8> kUnlistedBands {{
    {u"2190m", 0.1357, 0.1378},
    {u"630m", 0.472, 0.479},
    {u"60m", 5.06, 5.45},
    {u"4m", 70, 71},
    {u"1.25m", 222, 225},
    {u"33cm", 902, 928},
    {u"9cm", 3300, 3500},
    {u"1mm", 241000, 250000},
}};

// The modes of ADIF that hams log, and the submodes each one has.
struct ModeFamily
{
    const char16_t* mode;
    std::initializer_list<const char16_t*> submodes;
};

const std::array<ModeFamily, 22> kModes {{
    {u"SSB", {u"USB", u"LSB"}},
    {u"CW", {u"PCW"}},
    {u"FM", {}},
    {u"AM", {}},
    {u"RTTY", {u"ASCI"}},
    {u"PSK",
        {u"PSK31", u"PSK63", u"PSK125", u"PSK250", u"PSK500", u"QPSK31", u"QPSK63", u"QPSK125", u"BPSK31",
            u"BPSK63", u"BPSK125", u"FSK31", u"PSK10", u"PSKFEC31"}},
    {u"FT8", {}},
    {u"MFSK", {u"FT4", u"JS8", u"FST4", u"FST4W", u"Q65", u"FSQCALL", u"MFSK8", u"MFSK16", u"MFSK32"}},
    {u"JT65", {u"JT65A", u"JT65B", u"JT65B2", u"JT65C", u"JT65C2"}},
    {u"JT9", {u"JT9-1", u"JT9-2", u"JT9-5", u"JT9-10", u"JT9-30"}},
    {u"JT4", {u"JT4A", u"JT4B", u"JT4C", u"JT4D", u"JT4E", u"JT4F", u"JT4G"}},
    {u"OLIVIA",
        {u"OLIVIA 4/125", u"OLIVIA 4/250", u"OLIVIA 8/250", u"OLIVIA 8/500", u"OLIVIA 16/500",
            u"OLIVIA 16/1000", u"OLIVIA 32/1000"}},
    {u"SSTV", {}},
    {u"DIGITALVOICE", {u"C4FM", u"DMR", u"DSTAR", u"FREEDV", u"M17"}},
    {u"MSK144", {}},
    {u"WSPR", {}},
    {u"HELL", {u"FMHELL", u"HELL80", u"PSKHELL", u"SLOWHELL"}},
    {u"CONTESTI", {}},
    {u"MT63", {}},
    {u"THOR", {u"THOR-M", u"THOR4", u"THOR8", u"THOR16", u"THOR22"}},
    {u"PKT", {}},
    {u"ATV", {}},
}};

const ModeFamily* familyOfMode(QStringView mode)
{
    for (const ModeFamily& family : kModes) {
        if (mode == QStringView(family.mode))
            return &family;
    }
    return nullptr;
}

const ModeFamily* familyOfSubmode(QStringView submode)
{
    for (const ModeFamily& family : kModes) {
        for (const char16_t* known : family.submodes) {
            if (submode == QStringView(known))
                return &family;
        }
    }
    return nullptr;
}

QString withoutTrailingBlanks(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    return text;
}

struct Region
{
    QString state;
    QString dxcc;
};

// The département as STATE and the DXCC entity of a postal code as the log writes it. Overseas
// (97x, 98x) are other entities whose subdivisions are not départements; "00000" names none.
Region regionOf(QStringView code)
{
    const QString dpt = code.left(2).toString().toUpper();
    if (code.size() != 5)
        return {};
    if (dpt == u"2A" || dpt == u"2B")
        return {dpt, QStringLiteral("214")};
    bool ok = false;
    const int number = code.toInt(&ok) / 1000;
    if (!ok || number < 1 || number > 95)
        return {};
    // A Corsican code written as La Poste writes it (20000) names no département.
    if (number == 20)
        return {{}, QStringLiteral("214")};
    return {dpt, QStringLiteral("227")};
}

} // namespace

QString adifBandOf(QStringView bandLabel)
{
    const qsizetype index = kBands.indexOf(bandLabel.trimmed().toString());
    return index < 0 ? QString() : QString::fromUtf16(kListedBands[std::size_t(index)].adif);
}

QString bandLabelOf(QStringView adifBand)
{
    for (std::size_t i = 0; i < kListedBands.size(); ++i) {
        if (adifBand.trimmed().compare(QStringView(kListedBands[i].adif), Qt::CaseInsensitive) == 0)
            return kBands[qsizetype(i)];
    }
    return {};
}

QString adifBandOfFrequency(double megahertz)
{
    const auto find = [&](const auto& table) {
        for (const Band& band : table) {
            if (megahertz >= band.low && megahertz <= band.high)
                return QString::fromUtf16(band.adif);
        }
        return QString();
    };
    const QString listed = find(kListedBands);
    return listed.isEmpty() ? find(kUnlistedBands) : listed;
}

AdifMode adifModeOf(QStringView modeText)
{
    const QString text = modeText.trimmed().toString().toUpper();
    if (familyOfMode(text))
        return {text, {}};
    if (const ModeFamily* family = familyOfSubmode(text))
        return {QString::fromUtf16(family->mode), text};
    return {};
}

QString logModeOf(const AdifMode& given)
{
    QString mode = given.mode.trimmed().toUpper();
    QString submode = given.submode.trimmed().toUpper();
    // Older files write the submode in place of the mode (PSK31, USB).
    if (!familyOfMode(mode)) {
        if (const ModeFamily* family = familyOfSubmode(mode)) {
            if (submode.isEmpty())
                submode = mode;
            mode = QString::fromUtf16(family->mode);
        }
    }
    if (mode == u"SSB")
        return mode;
    if (mode == u"PSK" && submode == u"PSK31")
        return submode;
    if (mode == u"CW" || mode == u"FM" || submode.isEmpty())
        return mode.left(logColumn(LogField::Mode).width);
    return submode.left(logColumn(LogField::Mode).width);
}

QString adifDateOf(QStringView logDate, int thisYear)
{
    if (logDate.size() != 8 || logDate[2] != u'/' || logDate[5] != u'/')
        return {};
    bool okDay = false, okMonth = false, okYear = false;
    const int day = logDate.sliced(0, 2).toInt(&okDay);
    const int month = logDate.sliced(3, 2).toInt(&okMonth);
    const int year = logDate.sliced(6, 2).toInt(&okYear);
    const QDate date(2000 + year <= thisYear ? 2000 + year : 1900 + year, month, day);
    if (!okDay || !okMonth || !okYear || !date.isValid())
        return {};
    return date.toString(u"yyyyMMdd");
}

QString logDateOf(QStringView adifDate)
{
    const QDate date = QDate::fromString(adifDate.trimmed().toString(), u"yyyyMMdd");
    return date.isValid() ? date.toString(u"dd/MM/yy") : QString();
}

bool isContactLine(QByteArrayView line)
{
    return !QslStatus::of(line).isHeld() || hasContactDate(line);
}

AdifRecord adifRecordOf(QByteArrayView line, int thisYear)
{
    const LogRecord log = LogRecord::fromLine(line);
    const auto text = [&](LogField field) { return withoutTrailingBlanks(log[field]); };
    AdifRecord record;
    record.fields.reserve(16);
    const auto add = [&](const QString& name, const QString& value) {
        if (!value.isEmpty())
            record.add(name, value);
    };
    const QString code = log[LogField::CodePostal];
    const QString mode = text(LogField::Mode);
    const QString band = text(LogField::Bande);
    const AdifMode adifMode = adifModeOf(mode);
    const Region region = regionOf(code);
    const QString town = log[LogField::Commune];
    const QString reference = text(LogField::RefDFCF);

    add(QStringLiteral("CALL"), text(LogField::Indicatif));
    add(QStringLiteral("QSO_DATE"), adifDateOf(log[LogField::DateQso], thisYear));
    add(QStringLiteral("BAND"), adifBandOf(band));
    add(QStringLiteral("MODE"), adifMode.mode);
    add(QStringLiteral("SUBMODE"), adifMode.submode);
    add(QStringLiteral("QSL_RCVD"),
        QslStatus::of(line).isConfirmed() ? QStringLiteral("Y") : QStringLiteral("N"));
    add(QStringLiteral("QTH"), asciiFolded(town));
    add(QStringLiteral("QTH_INTL"), town);
    add(QStringLiteral("STATE"), region.state);
    add(QStringLiteral("DXCC"), region.dxcc);
    if (!reference.isEmpty()) {
        add(QStringLiteral("SIG"), QStringLiteral("DFCF"));
        add(QStringLiteral("SIG_INFO"), reference);
    }
    add(QStringLiteral("APP_KERLANIC_CP"), code);
    add(QStringLiteral("APP_KERLANIC_ETAT"), log[LogField::Etat_QSL]);
    add(QStringLiteral("APP_KERLANIC_BANDE"), band);
    add(QStringLiteral("APP_KERLANIC_MODE"), mode);
    return record;
}

AdifFormat adifFormatOf(const QString& fileName)
{
    return fileName.endsWith(QStringLiteral(".adx"), Qt::CaseInsensitive) ? AdifFormat::Adx : AdifFormat::Adi;
}

AdifExport exportLog(const QList<QByteArray>& lines, AdifFormat format, const AdifHeader& header)
{
    AdifExport done;
    const int thisYear
        = (header.created.isValid() ? header.created : QDateTime::currentDateTimeUtc()).date().year();
    QList<AdifRecord> records;
    records.reserve(lines.size());
    for (const QByteArray& line : lines) {
        if (!isContactLine(line)) {
            ++done.held;
            continue;
        }
        records.append(adifRecordOf(line, thisYear));
    }
    done.exported = int(records.size());
    done.bytes = format == AdifFormat::Adx ? writeAdx(records, header) : writeAdi(records, header);
    return done;
}

QString plural(int count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count > 1 ? many : one);
}

QString exportSummary(const AdifExport& done, const QString& fileName)
{
    QString text = QStringLiteral("%1 dans le fichier %2.")
                       .arg(plural(done.exported, QStringLiteral("contact exporté"),
                                QStringLiteral("contacts exportés")),
                           fileName);
    if (done.held > 0)
        text += QStringLiteral("\n%1 sans contact, non %2.")
                    .arg(plural(done.held, QStringLiteral("code postal réservé"),
                             QStringLiteral("codes postaux réservés")),
                        done.held > 1 ? QStringLiteral("exportés") : QStringLiteral("exporté"));
    return text;
}
