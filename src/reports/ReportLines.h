#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The numbered listings of the log: the three listing windows, the two report files and the two
// printouts. They share one record line (numbered, without the QSL status) and differ in which
// records they select, in the points column and in their head and foot lines.

// Which records a listing takes.
enum class Selection {
    Contacte, // records that carry a contact date
    Confirme, // QSL status "3" or "4"
    NonConfirme, // QSL status "2": contact made, not confirmed
};

// The two reports that are written to a file or printed.
enum class Report { Contacte, Confirme };

constexpr Selection selectionOf(Report report)
{
    return report == Report::Contacte ? Selection::Contacte : Selection::Confirme;
}

// Nothing but blanks (an empty text too).
bool blanksOnly(QByteArrayView bytes);

// Characters 6 to 13 of the line are not all blanks. The characters a short line lacks count as
// blanks, so a line too short to hold a date has none.
bool hasContactDate(QByteArrayView line);
bool isSelected(Selection selection, QByteArrayView line);

// "                                  Total des points : " followed by the total as it is shown in
// the main window, unchanged.
QString totalLine(const QString& total);

// One line of a listing window: " ", the number in 5 places and a blank, two blanks, record
// characters 1-28 and 31-45, two blanks, the DFCF reference, three blanks, then (when the window
// shows points) the points right-aligned in 8 and three blanks, then the town.
QString windowLine(qint64 number, QByteArrayView record);
QString windowLine(qint64 number, QByteArrayView record, const QString& points);

// Every line of a listing window: the selected records numbered from 1, with their points where
// the window shows them (one scoring pass over the selected records only), then for the windows
// with points an empty line and the total line. Each line is formatted only when asked for, so
// that a window on a log of tens of thousands of records opens without building that many texts.
class WindowListing
{
public:
    WindowListing(Selection selection, const QList<QByteArray>& log, const QString& total);

    qsizetype size() const;
    QString line(qsizetype row) const;
    // The length of the longest line, in characters.
    qsizetype longestLine() const;

private:
    bool withPoints() const { return m_selection != Selection::NonConfirme; }

    Selection m_selection;
    // The selected records (they share their bytes with the log's lines) and their points.
    QList<QByteArray> m_records;
    QList<qint64> m_tenths;
    QString m_total;
};

// The column headers of the listing windows.
QString windowHeader(Selection selection);

// The date written at the end of a report's title, and the stamp of its file name (05_12_26).
QString reportDate(QDate date);
QString reportStamp(QDate date);

// "CP_Confirme_" or "CP_Contacte_", the callsign, "_", the stamp, ".txt".
QString reportFileName(Report report, const QString& callsign, QDate date);

// The points column of a report file for the points text p of a record.
QString filePointsColumn(Report report, const QString& p);
// The points column of a printout, and of the contacted report file: p right-aligned in 8, then
// three blanks.
QString printedPointsColumn(const QString& p);

// One record line of a report: four blanks, the number in 5 places, three blanks, record
// characters 1-28 and 31-45, two blanks, the DFCF reference, three blanks, the points column,
// the town.
QString reportRecordLine(qint64 number, QByteArrayView record, const QString& pointsColumn);

// Every line of a report file and of a printout, in order, without line ends.
QStringList reportFileLines(
    Report report, const QString& callsign, QDate date, const QList<QByteArray>& log, const QString& total);
QStringList printedReportLines(
    Report report, const QString& callsign, QDate date, const QList<QByteArray>& log, const QString& total);

// The last line of every report, file or printout.
extern const QString kCreditLine;
