#include "log/LogRewriter.h"

#include "log/LogRecord.h"
#include "log/SafeFileWriter.h"
#include "log/StationLog.h"

#include <QDir>

#include <algorithm>

namespace {

// The reasons come from the file layer as fragments ("écriture impossible (…)"); the user reads
// them as a sentence of their own.
QString sentence(QString reason)
{
    reason = reason.trimmed();
    if (reason.isEmpty())
        reason = QStringLiteral("erreur inconnue");
    reason[0] = reason[0].toUpper();
    if (!reason.endsWith(u'.'))
        reason += u'.';
    return reason;
}

qsizetype findChosen(const QList<QByteArray>& lines, const LineMatcher& isChosen)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isChosen(lines[i]))
            return i;
    }
    return -1;
}

} // namespace

RewriteResult rewriteLog(const StationLog& log, const LineChange& change)
{
    // A log that exists but cannot be read must not be replaced by what little was read.
    QString readError;
    QList<QByteArray> previous = log.readLines(&readError);
    if (!readError.isEmpty())
        return {false, sentence(readError), {}};

    QList<QByteArray> lines = previous;
    if (const QString refusal = change(lines); !refusal.isEmpty())
        return {false, refusal, {}};

    // Each line ended by CR LF, copied straight into a buffer of the right size.
    qsizetype size = 0;
    for (const QByteArray& line : std::as_const(lines))
        size += line.size() + 2;
    QByteArray contents(size, Qt::Uninitialized);
    char* out = contents.data();
    for (const QByteArray& line : std::as_const(lines)) {
        out = std::copy(line.cbegin(), line.cend(), out);
        *out++ = '\r';
        *out++ = '\n';
    }

    SafeFileWriter writer(log.path(), QDir(log.appDir()).filePath(StationLog::scratchFileName()));
    if (writer.open() && writer.write(contents) && writer.commit())
        return {true, {}, std::move(lines), std::move(previous)};
    return {false, sentence(writer.errorString()), {}};
}

qsizetype insertionIndex(const QList<QByteArray>& lines, QByteArrayView record)
{
    // Searched from the end: logs of the old program hold their Corsican lines right after the
    // "00000" lines, and a record of 01 to 19 must still go after the lines of its own
    // département, not in front of the first Corsican line met from the start.
    // A blank line (a hand-edited log often ends with one) reads as key 0 and holds no record:
    // taken as the place to insert after, it would send every new record to the end of the log.
    const qint64 key = sortKey(record);
    const auto notGreater = std::find_if(lines.crbegin(), lines.crend(), [&](const QByteArray& line) {
        return sortKey(line) <= key && !line.trimmed().isEmpty();
    });
    return lines.crend() - notGreater;
}

RewriteResult Ajoute_Ligne(const StationLog& log, const QByteArray& record)
{
    return rewriteLines(
        log, [&](QList<QByteArray>& lines) { lines.insert(insertionIndex(lines, record), record); });
}

RewriteResult Remplace_Ligne(const StationLog& log, const QByteArray& record, const LineMatcher& isChosen)
{
    return rewriteLines(log, [&](QList<QByteArray>& lines) {
        const qsizetype chosen = findChosen(lines, isChosen);
        if (chosen >= 0
            && fieldBytes(lines[chosen], LogField::CodePostal) == fieldBytes(record, LogField::CodePostal)) {
            lines[chosen] = record;
            return;
        }
        if (chosen >= 0)
            lines.removeAt(chosen);
        lines.insert(insertionIndex(lines, record), record);
    });
}

RewriteResult Supprime_Ligne(const StationLog& log, const LineMatcher& isChosen)
{
    return rewriteLines(log, [&](QList<QByteArray>& lines) {
        const qsizetype chosen = findChosen(lines, isChosen);
        if (chosen >= 0)
            lines.removeAt(chosen);
    });
}

RewriteResult rewriteLines(const StationLog& log, const LinesChange& change)
{
    return rewriteLog(log, [&](QList<QByteArray>& lines) {
        change(lines);
        return QString();
    });
}
