#pragma once

#include "log/LogRewriter.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The changes made to one station's log in this session, to be undone and redone in turn. A step
// keeps only the lines that changed and where (a log of 40 000 lines is not copied at each
// save), and checks before it is replayed that those lines still stand where it left them.
class UndoHistory
{
public:
    // A rewrite took the log from before to after; what names the change in the questions
    // ("la restauration de …"), or empty to name it from the lines that changed.
    void record(const QList<QByteArray>& before, const QList<QByteArray>& after, const QString& what = {});
    void clear();

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // "Annuler l'enregistrement du Code Postal 45000 ?", "Rétablir …".
    QString undoQuestion() const;
    QString redoQuestion() const;

    // The rewrite that puts the log back one step, or forward one; the history moves only once
    // that rewrite is done (stepBack, stepForward).
    LineChange undoChange() const;
    LineChange redoChange() const;
    void stepBack() { --m_done; }
    void stepForward() { ++m_done; }

private:
    struct Step
    {
        qsizetype at = 0;
        qsizetype tail = 0;
        QList<QByteArray> removed;
        QList<QByteArray> added;
        QString what;
    };
    static LineChange replay(const Step& step, bool back);

    QList<Step> m_steps;
    // How many steps of m_steps are in the log: the ones after them were undone.
    qsizetype m_done = 0;
};

// The département a change is about (the first two characters of its one changed record), or
// empty when it touched several records: the listing to show after it.
QString changedDepartement(const QList<QByteArray>& before, const QList<QByteArray>& after);
