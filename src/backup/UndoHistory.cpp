#include "backup/UndoHistory.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"

#include <QHash>

#include <algorithm>

namespace {

// The lines only one side holds, each counted as often as it is there more than on the other.
struct LineDifference
{
    QList<QByteArray> gone;
    QList<QByteArray> come;
};

LineDifference difference(const QList<QByteArray>& before, const QList<QByteArray>& after)
{
    QHash<QByteArray, int> count;
    for (const QByteArray& line : before)
        ++count[line];
    LineDifference result;
    for (const QByteArray& line : after) {
        auto it = count.find(line);
        if (it != count.end() && it.value() > 0)
            --it.value();
        else
            result.come << line;
    }
    for (const QByteArray& line : before) {
        auto it = count.find(line);
        if (it.value() > 0) {
            --it.value();
            result.gone << line;
        }
    }
    return result;
}

QString postalCodeOf(const QByteArray& line)
{
    return Cp1252::decode(fieldBytes(line, LogField::CodePostal));
}

QString describe(const QList<QByteArray>& removed, const QList<QByteArray>& added)
{
    const LineDifference changed = difference(removed, added);
    const qsizetype gone = changed.gone.size();
    const qsizetype come = changed.come.size();
    if (come == 1 && gone == 0)
        return QStringLiteral("l'enregistrement du Code Postal ") + postalCodeOf(changed.come.first());
    if (come == 0 && gone == 1)
        return QStringLiteral("l'effacement du Code Postal ") + postalCodeOf(changed.gone.first());
    if (come == 1 && gone == 1)
        return QStringLiteral("la modification du Code Postal ") + postalCodeOf(changed.come.first());
    if (gone == 0)
        return QStringLiteral("l'ajout de %1 lignes au carnet").arg(come);
    if (come == 0)
        return QStringLiteral("l'effacement de %1 lignes du carnet").arg(gone);
    return QStringLiteral("la modification de %1 lignes du carnet").arg(std::max(gone, come));
}

} // namespace

void UndoHistory::record(const QList<QByteArray>& before, const QList<QByteArray>& after, const QString& what)
{
    // The lines a rewrite only copied are the very same bytes on both sides: no need to compare
    // them character by character.
    const auto same = [](const QByteArray& a, const QByteArray& b) {
        return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
    };
    Step step;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (step.at < shorter && same(before[step.at], after[step.at]))
        ++step.at;
    while (step.tail < shorter - step.at
        && same(before[before.size() - 1 - step.tail], after[after.size() - 1 - step.tail]))
        ++step.tail;
    // A rewrite that changed no line (a deletion of a line no longer there) is nothing to undo.
    if (step.at == before.size() && step.at == after.size())
        return;
    // Lines read from the file share its whole buffer: a step keeps copies of its own lines, or
    // each step would hold a whole log in memory.
    const auto own = [](const QList<QByteArray>& lines, qsizetype from, qsizetype count) {
        QList<QByteArray> copies;
        copies.reserve(count);
        for (qsizetype i = from; i < from + count; ++i)
            copies << QByteArray(lines[i].constData(), lines[i].size());
        return copies;
    };
    step.removed = own(before, step.at, before.size() - step.at - step.tail);
    step.added = own(after, step.at, after.size() - step.at - step.tail);
    step.what = what.isEmpty() ? describe(step.removed, step.added) : what;
    // A new change after an undo takes the place of what was undone.
    m_steps.resize(m_done);
    m_steps.append(std::move(step));
    m_done = m_steps.size();
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_done = 0;
}

QString UndoHistory::undoQuestion() const
{
    return canUndo() ? QStringLiteral("Annuler %1 ?").arg(m_steps[m_done - 1].what) : QString();
}

QString UndoHistory::redoQuestion() const
{
    return canRedo() ? QStringLiteral("Rétablir %1 ?").arg(m_steps[m_done].what) : QString();
}

LineChange UndoHistory::undoChange() const
{
    return replay(m_steps.at(m_done - 1), true);
}

LineChange UndoHistory::redoChange() const
{
    return replay(m_steps.at(m_done), false);
}

LineChange UndoHistory::replay(const Step& step, bool back)
{
    return [step, back](QList<QByteArray>& lines) {
        const QList<QByteArray>& now = back ? step.added : step.removed;
        const QList<QByteArray>& then = back ? step.removed : step.added;
        // The log was changed by someone else meanwhile (another program, a copy put back by
        // hand): putting lines back by position could then lose that change.
        if (lines.size() != step.at + now.size() + step.tail
            || !std::equal(now.cbegin(), now.cend(), lines.cbegin() + step.at))
            return QStringLiteral("Le carnet a été changé en dehors de Kerlanic depuis : cette étape ne peut "
                                  "plus être reprise.");
        lines = lines.first(step.at) + then + lines.last(step.tail);
        return QString();
    };
}

QString changedDepartement(const QList<QByteArray>& before, const QList<QByteArray>& after)
{
    const LineDifference changed = difference(before, after);
    const QList<QByteArray> records = changed.gone + changed.come;
    QString dpt;
    for (const QByteArray& record : records) {
        const QString own = Cp1252::decode(record.left(2));
        if (!dpt.isEmpty() && own != dpt)
            return {};
        dpt = own;
    }
    return dpt;
}
