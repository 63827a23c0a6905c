#pragma once

#include "adif/AdifFile.h"
#include "log/LogRecord.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class PostalBase;

// Bringing contacts of another logger into the log: which records are French contacts, the line
// Kerlanic would store for each, and what importing it would do to the log. Nothing here writes:
// mergeImport() changes a list of lines, which the logbook writes in one rewrite.

// A contact with a French station: a record of Kerlanic's own, DXCC 227 or 214 when the record
// names its entity, otherwise a French callsign prefix.
bool isFrenchRecord(const AdifRecord& record);

enum class ImportOutcome { New, AlreadyContacted, Confirmation, DuplicateInFile, ToComplete, Refused };

// The word the review window and the dry run show: "nouveau", "déjà contacté"…
QString outcomeWord(ImportOutcome outcome);

struct ImportLine
{
    int recordNumber = 0; // in the file, from 1
    bool own = false; // written by Kerlanic: comes back exactly
    LogRecord record; // what the log would hold; CodePostal empty while unknown
    QString town; // the commune as the file names it
    QString state; // the file's STATE, when it names a département
    QStringList candidates; // postal codes offered while the code is unknown or uncertain
    QString refusal; // why the record cannot be stored, whatever its postal code
    bool ticked = true;

    ImportOutcome outcome = ImportOutcome::ToComplete;
    // For a refusal: the reason; for a confirmation: the index of the log line it confirms.
    QString reason;
    qsizetype confirms = -1;

    QString postalCode() const { return record[LogField::CodePostal]; }
    // The outcome as shown: its word, and the reason of a refusal.
    QString outcomeText() const;
};

struct ImportProposal
{
    QList<ImportLine> lines; // the French contacts, in the file's order
    int records = 0; // every record of the file
};

// The French contacts of the records, each with the postal code proposed from its application
// field or from its commune in the postal base (narrowed by STATE), or left to complete. A
// contact dated after today (UTC), or a hundred years ago or more, is refused.
ImportProposal proposeImport(const QList<AdifRecord>& records, const PostalBase& base, QDate today);

// The user sets a line's postal code: the commune follows from the base when the code has the
// file's town (or only one town).
void setPostalCode(ImportLine& line, const QString& code, const PostalBase& base);

// Decides each line's outcome against the log, in the file's order: a ticked new line claims its
// postal code, so a later new one of the same code is a duplicate (never for "00000"
// references); a ticked confirmation claims the log line it confirms.
void classify(QList<ImportLine>& lines, const QList<QByteArray>& log);

struct ImportResult
{
    int added = 0;
    int confirmed = 0;
    int alreadyContacted = 0;
    int duplicates = 0;
    int toComplete = 0;
    int unticked = 0;
    QMap<QString, int> refusals; // reason -> count
    // The département of the first record added or confirmed, for the listing.
    QString firstDepartement;
};

// Classifies the lines against log and changes it: confirmations marked in place, new records
// each at its place in postal-code order (after the lines of the same key, in the file's order).
ImportResult mergeImport(QList<ImportLine>& lines, QList<QByteArray>& log);

// What the user is told: how many records were read, added, confirmed, left and why.
QString importSummary(const ImportResult& result, const ImportProposal& proposal);

// One fixed-column line per French contact: date, callsign, band, mode, postal code, town and
// outcome, for the dry run of the command line.
QString importListing(const QList<ImportLine>& lines);
