#include "adif/AdifImport.h"

#include "adif/AdifLog.h"
#include "log/QslStatus.h"
#include "postal/PostalBase.h"
#include "postal/PostalText.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>

namespace {

const QString kReferenceOnly = QStringLiteral("00000");
// Postal codes offered when the town is not found as such in the base.
constexpr int kMaxCandidates = 12;

QString padded(const QString& text, LogField field)
{
    return text.leftJustified(logColumn(field).width, u' ', true);
}

bool hasFrenchPrefix(const QString& call)
{
    // The first part names the country: the callsign itself (F4ABC/P, F4ABC/MM), or the country
    // a foreign station works from (F/ON4ABC).
    const QString home = call.trimmed().toUpper().section(u'/', 0, 0, QString::SectionSkipEmpty);
    if (home.startsWith(u'F'))
        return true;
    static const QStringList prefixes {"TM", "TK", "TH", "TP", "TQ", "TV", "HW", "HX", "HY"};
    return std::any_of(
        prefixes.begin(), prefixes.end(), [&](const QString& p) { return home.startsWith(p); });
}

bool isLogPostalCode(QStringView code)
{
    if (code.size() != 5)
        return false;
    const bool corsica = code[0] == u'2' && (code[1] == u'A' || code[1] == u'B');
    for (qsizetype i = corsica ? 2 : 0; i < 5; ++i) {
        if (!code[i].isDigit() || code[i].unicode() > '9')
            return false;
    }
    return true;
}

bool isConfirmedInFile(const AdifRecord& record)
{
    for (const char* field : {"QSL_RCVD", "LOTW_QSL_RCVD", "EQSL_QSL_RCVD"}) {
        if (record.value(QString::fromLatin1(field)).trimmed().compare(u"Y", Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The contact was made; the file tells whether it is confirmed.
QString statusInFile(const AdifRecord& record)
{
    return QString(QChar::fromLatin1(QslStatus::fromMarks(true, isConfirmedInFile(record)).digit()));
}

// The band of a record: BAND, or the band FREQ falls in; the refusal when the list lacks it.
QString bandOf(const AdifRecord& record, QString* refusal)
{
    QString adif = record.value(u"BAND").trimmed();
    const QString frequency = record.value(u"FREQ").trimmed();
    if (adif.isEmpty() && !frequency.isEmpty()) {
        bool ok = false;
        adif = adifBandOfFrequency(frequency.toDouble(&ok));
        if (!ok || adif.isEmpty()) {
            *refusal = QStringLiteral("fréquence %1 MHz hors des bandes radioamateurs").arg(frequency);
            return {};
        }
    }
    if (adif.isEmpty()) {
        *refusal = QStringLiteral("ni bande ni fréquence");
        return {};
    }
    const QString label = bandLabelOf(adif);
    if (label.isEmpty())
        *refusal = QStringLiteral("bande %1 absente de la liste des bandes").arg(adif.toLower());
    return label;
}

// What the postal base says of a town: the postal codes that have a commune of that name (in the
// département of STATE when it holds one), each with the commune's name as the log writes it.
struct TownCodes
{
    QStringList codes;
    QStringList towns;
    bool exact = true; // false: the name was not found whole; the codes are what a search finds
};

class TownLookUp
{
public:
    explicit TownLookUp(const PostalBase& base)
        : m_base(base)
    { }

    const TownCodes& codesOf(const QString& town, const QString& state)
    {
        const QString key = town + u'\n' + state;
        auto found = m_cache.constFind(key);
        if (found == m_cache.constEnd())
            found = m_cache.insert(key, lookUp(town, state));
        return *found;
    }

private:
    TownCodes lookUp(const QString& town, const QString& state) const
    {
        std::vector<int> entries;
        for (const int c : m_base.communesNamed(town)) {
            const std::vector<int>& of = m_base.entriesOf(c);
            entries.insert(entries.end(), of.begin(), of.end());
        }
        TownCodes result;
        if (entries.empty()) {
            result.exact = false;
            entries = m_base.search(town);
        }
        // STATE narrows only when it names a département where the town is.
        const auto inState = [&](int e) { return m_base.departementOf(m_base.entry(e)).code == state; };
        if (!state.isEmpty() && std::any_of(entries.begin(), entries.end(), inState))
            entries.erase(std::remove_if(entries.begin(), entries.end(), [&](int e) { return !inState(e); }),
                entries.end());
        for (const int e : entries) {
            const PostalBase::Entry& entry = m_base.entry(e);
            const QString code = m_base.logPostalCode(entry);
            if (result.codes.contains(code))
                continue;
            if (!result.exact && result.codes.size() >= kMaxCandidates)
                break;
            result.codes << code;
            result.towns << PostalText::townEntryName(m_base.commune(entry.commune).name);
        }
        return result;
    }

    const PostalBase& m_base;
    QHash<QString, TownCodes> m_cache;
};

// The log writes two digits of the year, read back as the latest year that is not to come: a
// contact of a hundred years ago or more would come back a century later.
QString dateRefusal(const QString& adifDate, QDate today)
{
    const QDate date = QDate::fromString(adifDate.trimmed(), u"yyyyMMdd");
    if (!date.isValid())
        return QStringLiteral("date absente ou illisible");
    if (date > today)
        return QStringLiteral("date à venir");
    const int firstYear = today.year() - 99;
    if (date.year() < firstYear)
        return QStringLiteral("date antérieure à %1").arg(firstYear);
    return {};
}

ImportLine lineOf(const AdifRecord& record, int number, TownLookUp& towns, QDate today)
{
    ImportLine line;
    line.recordNumber = number;
    line.own = record.has(u"APP_KERLANIC_CP");
    LogRecord& log = line.record;
    const QString intl = record.value(u"QTH_INTL");
    line.town = intl.isEmpty() ? record.value(u"QTH") : intl;
    const QString state = record.value(u"STATE").trimmed().toUpper();
    line.state = state.size() == 2 || state.size() == 3 ? state : QString();

    const QString call = line.own ? record.value(u"CALL") : record.value(u"CALL").trimmed().toUpper();
    const QString date = logDateOf(record.value(u"QSO_DATE"));
    line.refusal = dateRefusal(record.value(u"QSO_DATE"), today);
    if (line.refusal.isEmpty() && call.isEmpty())
        line.refusal = QStringLiteral("indicatif absent");
    if (line.refusal.isEmpty() && call.size() > logColumn(LogField::Indicatif).width)
        line.refusal = QStringLiteral("indicatif de plus de 12 caractères");
    log[LogField::DateQso] = date;
    log[LogField::Indicatif] = padded(call, LogField::Indicatif);

    QString reference;
    if (record.value(u"SIG").trimmed().compare(u"DFCF", Qt::CaseInsensitive) == 0)
        reference = record.value(u"SIG_INFO").trimmed();
    // A reference cut or padded to the column's five characters would be another castle's, and
    // would score another bonus.
    const qsizetype referenceWidth = logColumn(LogField::RefDFCF).width;
    if (line.refusal.isEmpty() && !reference.isEmpty() && reference.size() != referenceWidth)
        line.refusal = QStringLiteral("référence DFCF « %1 » de %2 caractères au lieu de %3")
                           .arg(reference.left(20))
                           .arg(reference.size())
                           .arg(referenceWidth);
    log[LogField::RefDFCF] = padded(reference, LogField::RefDFCF);

    if (line.own) {
        // Kerlanic's own record: everything comes back as it was stored.
        log[LogField::CodePostal] = record.value(u"APP_KERLANIC_CP");
        // A status another program has lost or spoilt is taken from the file's marks.
        const QString status = record.value(u"APP_KERLANIC_ETAT");
        log[LogField::Etat_QSL] = status.size() == 1 && QslStatus(status.at(0).toLatin1()).isKnown()
            ? status
            : statusInFile(record);
        log[LogField::Mode] = padded(record.value(u"APP_KERLANIC_MODE"), LogField::Mode);
        log[LogField::Bande] = padded(record.value(u"APP_KERLANIC_BANDE"), LogField::Bande);
        // As stored, unless another program made it longer than a commune of the log can be.
        log[LogField::Commune] = line.town.size() <= PostalText::kMaxTownLength
            ? line.town
            : PostalText::townEntryName(line.town);
        return line;
    }

    log[LogField::Etat_QSL] = statusInFile(record);
    log[LogField::Mode]
        = padded(logModeOf({record.value(u"MODE"), record.value(u"SUBMODE")}), LogField::Mode);
    QString bandRefusal;
    log[LogField::Bande] = padded(bandOf(record, &bandRefusal), LogField::Bande);
    if (line.refusal.isEmpty())
        line.refusal = bandRefusal;
    log[LogField::Commune] = PostalText::townEntryName(line.town.trimmed());

    if (line.town.trimmed().isEmpty())
        return line;
    const TownCodes& found = towns.codesOf(line.town.trimmed(), line.state);
    line.candidates = found.codes;
    if (found.exact && found.codes.size() == 1) {
        log[LogField::CodePostal] = found.codes.front();
        log[LogField::Commune] = found.towns.front();
    }
    return line;
}

QString confirmedStatus(char digit)
{
    return QString(QChar::fromLatin1(QslStatus::fromMarks(QslStatus(digit).isMade(), true).digit()));
}

QString callOf(QByteArrayView line)
{
    return QString::fromLatin1(fieldBytes(line, LogField::Indicatif)).trimmed().toUpper();
}

} // namespace

bool isFrenchRecord(const AdifRecord& record)
{
    if (record.has(u"APP_KERLANIC_CP"))
        return true;
    const QString dxcc = record.value(u"DXCC").trimmed();
    if (!dxcc.isEmpty())
        return dxcc == u"227" || dxcc == u"214";
    return hasFrenchPrefix(record.value(u"CALL"));
}

QString outcomeWord(ImportOutcome outcome)
{
    switch (outcome) {
    case ImportOutcome::New:
        return QStringLiteral("nouveau");
    case ImportOutcome::AlreadyContacted:
        return QStringLiteral("déjà contacté");
    case ImportOutcome::Confirmation:
        return QStringLiteral("confirmation");
    case ImportOutcome::DuplicateInFile:
        return QStringLiteral("doublon dans le fichier");
    case ImportOutcome::ToComplete:
        return QStringLiteral("à compléter");
    case ImportOutcome::Refused:
        break;
    }
    return QStringLiteral("refusé");
}

QString ImportLine::outcomeText() const
{
    if (outcome == ImportOutcome::Refused)
        return outcomeWord(outcome) + QStringLiteral(" : ") + reason;
    if (outcome == ImportOutcome::ToComplete && !candidates.isEmpty())
        return outcomeWord(outcome) + QStringLiteral(" (") + candidates.join(u' ') + u')';
    return outcomeWord(outcome);
}

ImportProposal proposeImport(const QList<AdifRecord>& records, const PostalBase& base, QDate today)
{
    ImportProposal proposal;
    proposal.records = int(records.size());
    TownLookUp towns(base);
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (isFrenchRecord(records[i]))
            proposal.lines.append(lineOf(records[i], int(i + 1), towns, today));
    }
    return proposal;
}

void setPostalCode(ImportLine& line, const QString& code, const PostalBase& base)
{
    const QString typed = code.trimmed().toUpper();
    line.record[LogField::CodePostal] = typed;
    if (line.own)
        return;
    const QStringList names = base.townNamesOf(typed);
    const std::string wanted = PostalText::squeezed(PostalText::searchWords(line.town));
    const auto same = std::find_if(names.begin(), names.end(),
        [&](const QString& name) { return PostalText::squeezed(PostalText::searchWords(name)) == wanted; });
    if (same != names.end())
        line.record[LogField::Commune] = *same;
    else if (names.size() == 1)
        line.record[LogField::Commune] = names.front();
    else
        line.record[LogField::Commune] = PostalText::townEntryName(line.town.trimmed());
}

namespace {

QString fieldName(LogField field)
{
    switch (field) {
    case LogField::CodePostal:
        return QStringLiteral("code postal");
    case LogField::DateQso:
        return QStringLiteral("date");
    case LogField::Indicatif:
        return QStringLiteral("indicatif");
    case LogField::Etat_QSL:
        return QStringLiteral("état QSL");
    case LogField::Mode:
        return QStringLiteral("mode");
    case LogField::Bande:
        return QStringLiteral("bande");
    case LogField::RefDFCF:
        return QStringLiteral("référence DFCF");
    case LogField::Commune:
        break;
    }
    return QStringLiteral("commune");
}

// Which field keeps a record out of the log, and why, for the user to mend the file.
QString misfitReason(const LogRecord& record)
{
    const std::optional<LogRecord::Misfit> misfit = record.misfit();
    if (!misfit)
        return QStringLiteral("un champ ne tient pas dans sa colonne du carnet");
    const QString field = fieldName(misfit->field);
    if (misfit->character.isEmpty())
        return QStringLiteral("%1 de plus de %2 caractères").arg(field).arg(logColumn(misfit->field).width);
    const char16_t first = misfit->character.front().unicode();
    if (first < 0x20 || first == 0x7f)
        return QStringLiteral("%1 avec un caractère de contrôle").arg(field);
    return QStringLiteral("%1 avec « %2 », caractère que le carnet ne peut pas écrire").arg(field, misfit->character);
}

} // namespace

void classify(QList<ImportLine>& lines, const QList<QByteArray>& log)
{
    // The contacts of the log by postal code; "00000" records by their reference.
    QHash<QString, QList<qsizetype>> contacts;
    const auto keyOf = [](const QString& code, const QString& reference) {
        return code == kReferenceOnly ? code + reference.trimmed() : code;
    };
    for (qsizetype i = 0; i < log.size(); ++i) {
        if (!isContactLine(log[i]))
            continue;
        const QString code = QString::fromLatin1(fieldBytes(log[i], LogField::CodePostal));
        contacts[keyOf(code, QString::fromLatin1(fieldBytes(log[i], LogField::RefDFCF)))].append(i);
    }
    // What the ticked lines before change: a new code, or the mark of a log line. A record that
    // changes nothing (already contacted) claims nothing, so that a confirmation after it in the
    // file still counts.
    QSet<QString> claimed;
    QSet<qsizetype> confirmed;
    for (ImportLine& line : lines) {
        line.confirms = -1;
        line.reason.clear();
        const QString code = line.postalCode();
        if (!line.refusal.isEmpty()) {
            line.outcome = ImportOutcome::Refused;
            line.reason = line.refusal;
            continue;
        }
        if (code.isEmpty()) {
            line.outcome = ImportOutcome::ToComplete;
            continue;
        }
        if (!isLogPostalCode(code)) {
            line.outcome = ImportOutcome::Refused;
            line.reason = QStringLiteral("code postal « %1 » invalide").arg(code);
            continue;
        }
        const std::optional<QByteArray> stored = line.record.toLine();
        if (!stored) {
            line.outcome = ImportOutcome::Refused;
            line.reason = misfitReason(line.record);
            continue;
        }
        const QString key = keyOf(code, line.record[LogField::RefDFCF]);
        const auto known = contacts.constFind(key);
        if (known == contacts.constEnd()) {
            if (code != kReferenceOnly && claimed.contains(code)) {
                line.outcome = ImportOutcome::DuplicateInFile;
                continue;
            }
            line.outcome = ImportOutcome::New;
            if (line.ticked && code != kReferenceOnly)
                claimed.insert(code);
            continue;
        }
        line.outcome = ImportOutcome::AlreadyContacted;
        if (!QslStatus::of(*stored).isConfirmed())
            continue;
        const QString call = line.record[LogField::Indicatif].trimmed().toUpper();
        for (const qsizetype i : *known) {
            if (QslStatus::of(log[i]).isConfirmed() || callOf(log[i]) != call)
                continue;
            if (confirmed.contains(i)) {
                line.outcome = ImportOutcome::DuplicateInFile;
                continue;
            }
            line.outcome = ImportOutcome::Confirmation;
            line.confirms = i;
            if (line.ticked)
                confirmed.insert(i);
            break;
        }
    }
}

ImportResult mergeImport(QList<ImportLine>& lines, QList<QByteArray>& log)
{
    classify(lines, log);
    ImportResult result;
    struct Insert
    {
        qsizetype at; // in the log as it was
        qint64 key;
        QByteArray line;
    };
    std::vector<Insert> inserts;

    // Where a record goes, as insertionIndex() finds it, for many records at once: after the last
    // line whose key is not greater than its own. The smallest key from each line to the end
    // never decreases, so that line is found by halving.
    std::vector<qint64> smallestFrom(std::size_t(log.size()) + 1, std::numeric_limits<qint64>::max());
    for (qsizetype i = log.size() - 1; i >= 0; --i)
        smallestFrom[std::size_t(i)] = std::min(sortKey(log[i]), smallestFrom[std::size_t(i) + 1]);

    for (ImportLine& line : lines) {
        if (!line.ticked) {
            ++result.unticked;
            continue;
        }
        switch (line.outcome) {
        case ImportOutcome::New: {
            const QByteArray bytes = *line.record.toLine();
            const qint64 key = sortKey(bytes);
            const auto after = std::upper_bound(smallestFrom.begin(), smallestFrom.end() - 1, key);
            inserts.push_back({after - smallestFrom.begin(), key, bytes});
            ++result.added;
            break;
        }
        case ImportOutcome::Confirmation: {
            QByteArray& target = log[line.confirms];
            const qsizetype at = logColumn(LogField::Etat_QSL).start;
            target[at] = confirmedStatus(target[at]).at(0).toLatin1();
            ++result.confirmed;
            break;
        }
        case ImportOutcome::AlreadyContacted:
            ++result.alreadyContacted;
            continue;
        case ImportOutcome::DuplicateInFile:
            ++result.duplicates;
            continue;
        case ImportOutcome::ToComplete:
            ++result.toComplete;
            continue;
        case ImportOutcome::Refused:
            ++result.refusals[line.reason];
            continue;
        }
        if (result.firstDepartement.isEmpty())
            result.firstDepartement = line.postalCode().left(2);
    }

    // Records bound for one place stand in key order, those of one key in the file's order.
    std::stable_sort(inserts.begin(), inserts.end(),
        [](const Insert& a, const Insert& b) { return a.at != b.at ? a.at < b.at : a.key < b.key; });
    QList<QByteArray> merged;
    merged.reserve(log.size() + qsizetype(inserts.size()));
    auto next = inserts.begin();
    for (qsizetype i = 0; i <= log.size(); ++i) {
        for (; next != inserts.end() && next->at == i; ++next)
            merged.append(std::move(next->line));
        if (i < log.size())
            merged.append(std::move(log[i]));
    }
    log = std::move(merged);
    return result;
}

QString importSummary(const ImportResult& result, const ImportProposal& proposal)
{
    QStringList text;
    text << QStringLiteral("%1, dont %2 avec des stations françaises.")
                .arg(plural(proposal.records, QStringLiteral("enregistrement lu"),
                         QStringLiteral("enregistrements lus")),
                    plural(
                        int(proposal.lines.size()), QStringLiteral("contact"), QStringLiteral("contacts")));
    text << plural(result.added, QStringLiteral("contact ajouté."), QStringLiteral("contacts ajoutés."));
    text << plural(
        result.confirmed, QStringLiteral("confirmation ajoutée."), QStringLiteral("confirmations ajoutées."));
    const auto skipped = [&](int count, const QString& why) {
        if (count > 0)
            text << QStringLiteral("%1 non repris : %2.")
                        .arg(plural(count, QStringLiteral("contact"), QStringLiteral("contacts")), why);
    };
    skipped(result.alreadyContacted, QStringLiteral("code postal déjà contacté"));
    skipped(result.duplicates, QStringLiteral("doublon dans le fichier"));
    skipped(result.toComplete, QStringLiteral("code postal à compléter"));
    skipped(result.unticked, QStringLiteral("décoché"));
    for (auto refusal = result.refusals.cbegin(); refusal != result.refusals.cend(); ++refusal)
        skipped(refusal.value(), QStringLiteral("refusé, ") + refusal.key());
    return text.join(u'\n') + u'\n';
}

QString importListing(const QList<ImportLine>& lines)
{
    QString text;
    for (const ImportLine& line : lines) {
        const LogRecord& r = line.record;
        const QString code = line.postalCode().isEmpty() ? QStringLiteral("?????") : line.postalCode();
        text += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
                    .arg(line.recordNumber, 6)
                    .arg(padded(r[LogField::DateQso], LogField::DateQso), r[LogField::Indicatif],
                        r[LogField::Bande], r[LogField::Mode], code.leftJustified(5),
                        r[LogField::Commune].leftJustified(PostalText::kMaxTownLength), line.outcomeText());
    }
    return text;
}
