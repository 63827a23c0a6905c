#include "adif/AdifFile.h"

#include "log/Cp1252.h"

#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

// How often the reading reports its progress, in records.
constexpr int kProgressEvery = 500;

const QString kProgramId = QStringLiteral("Kerlanic");
const QString kAdifVersion = QStringLiteral("3.1.4");

// The text of bytes that are valid UTF-8, a byte order mark kept as its character, as
// QString::fromUtf8() gives it; nothing for any other bytes.
std::optional<QString> utf8Text(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    // The decoding runs when its result is taken.
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

qsizetype lineAt(const QByteArray& bytes, qsizetype offset)
{
    return QByteArrayView(bytes).first(std::min(offset, bytes.size())).count('\n') + 1;
}

// A control character other than the blanks of a text file: no logger writes one, so the file is
// not an ADIF file at all (a database, a zip, a picture chosen by mistake). Ctrl-Z ends some old
// DOS files.
qsizetype firstBinaryByte(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = uchar(bytes[i]);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1A)
            return i;
    }
    return -1;
}

qsizetype skipBlanksAndMark(const QByteArray& bytes)
{
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < bytes.size() && QChar::isSpace(uchar(bytes[pos])))
        ++pos;
    return pos;
}

QString recordText(qsizetype number)
{
    return QStringLiteral("l'enregistrement %1").arg(number);
}

class AdiReader
{
public:
    AdiReader(const QByteArray& bytes, const AdifProgress& progress)
        : m_bytes(bytes)
        , m_progress(progress)
        , m_utf8(utf8Text(bytes).has_value())
    { }

    AdifReadResult read()
    {
        AdifReadResult result;
        qsizetype pos = skipBlanksAndMark(m_bytes);
        bool sawHeader = false;
        if (pos < m_bytes.size() && m_bytes[pos] != '<') {
            // Free text opens the header; the fields start after <EOH>.
            const qsizetype end
                = QLatin1String(m_bytes).indexOf(QLatin1String("<eoh>"), pos, Qt::CaseInsensitive);
            if (end < 0)
                return failed(QStringLiteral("Le fichier commence par du texte sans balise <EOH> qui le "
                                             "termine : ce n'est pas un fichier ADIF lisible."));
            pos = end + 5;
            sawHeader = true;
        }
        AdifRecord current;
        qsizetype recordStart = -1;
        while (true) {
            const qsizetype open = m_bytes.indexOf('<', pos);
            if (open < 0)
                break;
            const qsizetype close = m_bytes.indexOf('>', open);
            const qsizetype number = m_records.size() + 1;
            if (close < 0)
                return failed(QStringLiteral("La balise de %1 (ligne %2) n'est jamais fermée par « > » : "
                                             "le fichier semble coupé.")
                                  .arg(recordText(number))
                                  .arg(lineAt(m_bytes, open)));
            const QList<QByteArray> parts = m_bytes.mid(open + 1, close - open - 1).split(':');
            const QString name = QString::fromLatin1(parts[0].trimmed()).toUpper();
            pos = close + 1;
            if (parts.size() == 1) {
                if (name == u"EOH") {
                    // What came before was the header.
                    current = {};
                    recordStart = -1;
                    sawHeader = true;
                } else if (name == u"EOR") {
                    m_records.append(std::move(current));
                    current = {};
                    recordStart = -1;
                    if (m_records.size() % kProgressEvery == 0 && m_progress
                        && !m_progress(pos, m_bytes.size())) {
                        result.cancelled = true;
                        return result;
                    }
                }
                continue;
            }
            bool ok = false;
            const qsizetype length = parts[1].trimmed().toLongLong(&ok);
            if (!ok || length < 0)
                return failed(QStringLiteral("Le champ %1 de %2 (ligne %3) n'a pas de longueur lisible.")
                                  .arg(name, recordText(number))
                                  .arg(lineAt(m_bytes, open)));
            if (length > m_bytes.size() - pos)
                return failed(QStringLiteral("Le champ %1 de %2 (ligne %3) annonce %4 octets, mais le "
                                             "fichier s'arrête avant : il semble coupé.")
                                  .arg(name, recordText(number))
                                  .arg(lineAt(m_bytes, open))
                                  .arg(length));
            const QByteArrayView data = QByteArrayView(m_bytes).sliced(pos, length);
            current.add(name, m_utf8 ? QString::fromUtf8(data) : Cp1252::decode(data));
            if (recordStart < 0)
                recordStart = open;
            pos += length;
        }
        if (!current.fields.isEmpty())
            return failed(QStringLiteral("%1 (ligne %2) n'est pas terminé par <EOR> : le fichier "
                                         "semble coupé.")
                              .arg(QStringLiteral("L'enregistrement %1").arg(m_records.size() + 1))
                              .arg(lineAt(m_bytes, recordStart)));
        if (m_records.isEmpty() && !sawHeader)
            return failed(QStringLiteral("Le fichier ne contient aucun enregistrement ADIF."));
        result.records = std::move(m_records);
        return result;
    }

private:
    static AdifReadResult failed(const QString& error) { return {{}, error, false}; }

    const QByteArray& m_bytes;
    const AdifProgress& m_progress;
    const bool m_utf8;
    QList<AdifRecord> m_records;
};

AdifReadResult readAdx(const QByteArray& bytes, const AdifProgress& progress)
{
    // ADX is UTF-8 by definition; a file saved in Windows-1252 all the same is read as such.
    std::optional<QString> utf8 = utf8Text(bytes);
    QString text = utf8 ? std::move(*utf8) : Cp1252::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QXmlStreamReader xml(text);
    AdifReadResult result;
    AdifRecord current;
    bool inRecord = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name().compare(u"RECORD", Qt::CaseInsensitive) == 0) {
            result.records.append(std::move(current));
            current = {};
            inRecord = false;
            if (result.records.size() % kProgressEvery == 0 && progress
                && !progress(xml.characterOffset(), text.size())) {
                return {{}, {}, true};
            }
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString().toUpper();
        if (!inRecord) {
            inRecord = name == u"RECORD";
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        QString field = name;
        if (name == u"APP") {
            field = QStringLiteral("APP_%1_%2")
                        .arg(attributes.value(QStringLiteral("PROGRAMID")).toString().toUpper(),
                            attributes.value(QStringLiteral("FIELDNAME")).toString().toUpper());
        } else if (name == u"USERDEF") {
            field = attributes.value(QStringLiteral("FIELDNAME")).toString().toUpper();
        }
        const QString value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (!xml.hasError())
            current.add(field, value);
    }
    if (xml.hasError())
        return {{},
            QStringLiteral("Le fichier ADX n'est pas un document XML bien formé : erreur à la ligne %1, "
                           "colonne %2 (%3).")
                .arg(xml.lineNumber())
                .arg(xml.columnNumber())
                .arg(recordText(result.records.size() + 1)),
            false};
    return result;
}

void foldInto(QChar c, QString& out)
{
    const char16_t u = c.unicode();
    if (u < 0x80) {
        if (u >= 0x20 && u != 0x7F)
            out += c;
        return;
    }
    switch (u) {
    case u'Œ':
        out += QLatin1String("OE");
        return;
    case u'œ':
        out += QLatin1String("oe");
        return;
    case u'Æ':
        out += QLatin1String("AE");
        return;
    case u'æ':
        out += QLatin1String("ae");
        return;
    case u'ß':
        out += QLatin1String("ss");
        return;
    case u'‘':
    case u'’':
    case u'‚':
    case u'´':
        out += u'\'';
        return;
    case u'“':
    case u'”':
    case u'„':
    case u'«':
    case u'»':
        out += u'"';
        return;
    case u'–':
    case u'—':
        out += u'-';
        return;
    default:
        break;
    }
    if (c.decompositionTag() != QChar::NoDecomposition) {
        for (const QChar part : c.decomposition())
            foldInto(part, out);
    }
}

// ADI names application fields APP_<PROGRAM>_<FIELD>; ADX gives the two parts as attributes.
std::pair<QString, QString> applicationParts(const QString& name)
{
    const qsizetype split = name.indexOf(u'_', 4);
    return {name.mid(4, split - 4), name.mid(split + 1)};
}

} // namespace

QString AdifRecord::value(QStringView name) const
{
    for (const auto& [field, value] : fields) {
        if (field == name)
            return value;
    }
    return {};
}

bool AdifRecord::has(QStringView name) const
{
    return std::any_of(fields.begin(), fields.end(), [&](const auto& field) { return field.first == name; });
}

AdifReadResult readAdif(const QByteArray& bytes, const AdifProgress& progress)
{
    const qsizetype start = skipBlanksAndMark(bytes);
    if (start >= bytes.size())
        return {{}, QStringLiteral("Le fichier est vide : il ne contient aucun contact."), false};
    if (const qsizetype binary = firstBinaryByte(bytes); binary >= 0) {
        const qsizetype record
            = QByteArrayView(bytes).first(binary).toByteArray().toUpper().count("<EOR>") + 1;
        return {{},
            QStringLiteral("Le fichier contient des données binaires (ligne %1, enregistrement %2) : ce "
                           "n'est pas un fichier ADIF.")
                .arg(lineAt(bytes, binary))
                .arg(record),
            false};
    }
    // XML may open on its declaration, on a comment or a document type ("<!"), or on the root.
    const QByteArray opening = bytes.mid(start, 5).toUpper();
    if (opening.startsWith("<?XML") || opening.startsWith("<!") || opening.startsWith("<ADX"))
        return readAdx(bytes, progress);
    return AdiReader(bytes, progress).read();
}

QString asciiFolded(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        foldInto(c, out);
    return out;
}

QByteArray writeAdi(const QList<AdifRecord>& records, const AdifHeader& header)
{
    QByteArray out;
    out.reserve(records.size() * 320 + 256);
    // Written straight into the file's bytes: an export of a large log writes half a million
    // fields.
    const auto appendAscii = [&out](QStringView text) {
        const qsizetype at = out.size();
        out.resize(at + text.size());
        char* bytes = out.data() + at;
        for (const QChar c : text)
            *bytes++ = char(c.unicode());
    };
    const auto isPlain = [](QStringView text) {
        return std::all_of(
            text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
    };
    const auto field = [&](QStringView name, const QString& value) {
        const bool plain = isPlain(value);
        const QString folded = plain ? QString() : asciiFolded(value);
        const QString& ascii = plain ? value : folded;
        // A name read from another program's file (an ADX attribute) may hold any character; an
        // ADI name is letters, digits and underscores, or the tag would not read back.
        const auto isNameCharacter = [](QChar c) {
            return c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'_');
        };
        QString safeName;
        if (!std::all_of(name.begin(), name.end(), isNameCharacter)) {
            for (const QChar c : asciiFolded(name)) {
                if (isNameCharacter(c))
                    safeName += c;
            }
            if (safeName.isEmpty())
                return;
        }
        char length[24];
        const auto written = std::to_chars(std::begin(length), std::end(length), ascii.size());
        out += '<';
        appendAscii(safeName.isEmpty() ? name : QStringView(safeName));
        out += ':';
        out.append(length, written.ptr - length);
        out += '>';
        appendAscii(ascii);
    };
    out += "Export ADIF du carnet Kerlanic\r\n";
    const std::pair<QString, QString> headerFields[] = {
        {QStringLiteral("ADIF_VER"), kAdifVersion},
        {QStringLiteral("PROGRAMID"), kProgramId},
        {QStringLiteral("PROGRAMVERSION"), header.programVersion},
        {QStringLiteral("CREATED_TIMESTAMP"), header.created.toString(u"yyyyMMdd HHmmss")},
    };
    for (const auto& [name, value] : headerFields) {
        field(name, value);
        out += "\r\n";
    }
    out += "<EOH>\r\n\r\n";
    for (const AdifRecord& record : records) {
        for (const auto& [name, value] : record.fields) {
            if (name.endsWith(u"_INTL"))
                continue;
            field(name, value);
            out += ' ';
        }
        out += "<EOR>\r\n";
    }
    return out;
}

QByteArray writeAdx(const QList<AdifRecord>& records, const AdifHeader& header)
{
    // Written by hand rather than through QXmlStreamWriter: the layout is fixed, only text and
    // attribute values need escaping, and a large log is written several times faster.
    QString out;
    out.reserve(records.size() * 900 + 512);
    const auto escaped = [&out](QStringView text) {
        for (const QChar c : text) {
            switch (c.unicode()) {
            case u'&':
                out += QLatin1String("&amp;");
                break;
            case u'<':
                out += QLatin1String("&lt;");
                break;
            case u'>':
                out += QLatin1String("&gt;");
                break;
            case u'"':
                out += QLatin1String("&quot;");
                break;
            default:
                // XML has no room for control characters; no town or callsign needs one.
                if (c.unicode() >= 0x20 || c == u'\t')
                    out += c;
            }
        }
    };
    const auto element = [&](QStringView indent, QStringView name, QStringView value) {
        out += indent + u'<' + name + u'>';
        escaped(value);
        out += QLatin1String("</") + name + QLatin1String(">\n");
    };
    out += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX>\n  <HEADER>\n");
    element(u"    ", u"ADIF_VER", kAdifVersion);
    element(u"    ", u"PROGRAMID", kProgramId);
    element(u"    ", u"PROGRAMVERSION", header.programVersion);
    element(u"    ", u"CREATED_TIMESTAMP", header.created.toString(u"yyyyMMdd HHmmss"));
    out += QLatin1String("  </HEADER>\n  <RECORDS>\n");
    for (const AdifRecord& record : records) {
        out += QLatin1String("    <RECORD>\n");
        for (const auto& [name, value] : record.fields) {
            if (!name.startsWith(u"APP_")) {
                element(u"      ", name, value);
                continue;
            }
            const auto [program, fieldName] = applicationParts(name);
            out += QLatin1String("      <APP PROGRAMID=\"");
            escaped(program);
            out += QLatin1String("\" FIELDNAME=\"");
            escaped(fieldName);
            out += QLatin1String("\" TYPE=\"S\">");
            escaped(value);
            out += QLatin1String("</APP>\n");
        }
        out += QLatin1String("    </RECORD>\n");
    }
    out += QLatin1String("  </RECORDS>\n</ADX>\n");
    return out.toUtf8();
}
