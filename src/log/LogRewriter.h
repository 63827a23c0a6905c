#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

class StationLog;

// The three changes a log ever sees. Each one reads the whole log, changes lines on the way and
// writes the result through the scratch file "Temporaire.txt" of the program's folder, which
// replaces the log in one step: the old log is never deleted first, and a failed write leaves
// it byte for byte as it was. Lines that are only copied keep their exact bytes; every line is
// written with CR LF.
//
// The log stays in ascending order of sortKey() (Corsica as 20xxx); lines of one key stand in
// the order they were added. Old logs are taken as they are (see insertionIndex).

// What a rewrite did: done, or why the log was left as it was (a French sentence).
struct RewriteResult
{
    bool done = false;
    QString reason;
    // The log as it now stands, when done: what the listing and the total are drawn from, so the
    // file is not read again right after it was written.
    QList<QByteArray> lines;
    // The log as it stood before, when done (what an undo puts back).
    QList<QByteArray> previousLines {};
};

// Picks out one line of the log: the line the user chose in a listing.
using LineMatcher = std::function<bool(QByteArrayView line)>;

// Changes the lines of a log in memory. A non-empty answer is a French sentence that refuses the
// change: the log is then left as it was and the sentence is the result's reason.
using LineChange = std::function<QString(QList<QByteArray>& lines)>;

// The frame of every rewrite: reads the whole log (one that cannot be read is never replaced),
// applies change and writes the result through the scratch file.
RewriteResult rewriteLog(const StationLog& log, const LineChange& change);

// Where a record goes: after the last line whose key is not greater than its own (at the head
// when there is none), so that it comes after every line of the same key. On a log in order
// that is before the first greater key; a log of the old program, whose Corsican lines stand
// after the "00000" lines, keeps them there and the record still joins its own département.
qsizetype insertionIndex(const QList<QByteArray>& lines, QByteArrayView record);

// Adds a record at its place.
RewriteResult Ajoute_Ligne(const StationLog& log, const QByteArray& record);

// Puts a record in place of the first line isChosen picks. With the same postal code the record
// keeps that line's place; with another one the line goes and the record takes its own place in
// order. When no line is picked any more the record is simply added at its place. Other lines of
// the same postal code (several "00000" reference records, a held code beside its contact) are
// never touched.
RewriteResult Remplace_Ligne(const StationLog& log, const QByteArray& record, const LineMatcher& isChosen);

// A change of many lines at once (an import): change receives the log as it is read and leaves
// the lines as they must be written.
using LinesChange = std::function<void(QList<QByteArray>& lines)>;
RewriteResult rewriteLines(const StationLog& log, const LinesChange& change);

// Removes the first line isChosen picks, and only that one. When none is picked the log is
// rewritten unchanged.
RewriteResult Supprime_Ligne(const StationLog& log, const LineMatcher& isChosen);
