#include "reports/ReportLines.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "log/Points.h"
#include "log/QslStatus.h"

#include <functional>

namespace {

const QLatin1String kTotalWords("Total des points : ");

// Characters first to first + count - 1 (1-based) of a line; a short line gives what it has.
QByteArrayView characters(QByteArrayView line, qsizetype first, qsizetype count)
{
    const qsizetype start = first - 1;
    if (line.size() <= start)
        return {};
    return line.sliced(start, std::min(count, line.size() - start));
}

// A piece of the record, blank-filled to its width so that a short line keeps the columns.
void appendPiece(QString& out, QByteArrayView record, qsizetype first, qsizetype count)
{
    const QByteArrayView piece = characters(record, first, count);
    out += Cp1252::decode(piece);
    if (piece.size() < count)
        out += QString(count - piece.size(), QLatin1Char(' '));
}

// Record characters 1-28 and 31-45, two blanks, the DFCF reference, three blanks, the points
// column and the town: the part every numbered listing shares. The QSL status (29) and the blank
// after it are left out.
void appendRecordBody(QString& out, QByteArrayView record, const QString& pointsColumn)
{
    appendPiece(out, record, 1, 28);
    appendPiece(out, record, 31, 15);
    out += QLatin1String("  ");
    appendPiece(out, record, 46, 5);
    out += QLatin1String("   ");
    out += pointsColumn;
    out += Cp1252::decode(fieldBytes(record, LogField::Commune));
}

// The blanks before the number, the number in 5 places, three blanks, then the record.
QString numberedLine(QLatin1String lead, qint64 number, QByteArrayView record, const QString& pointsColumn)
{
    QString line;
    line.reserve(120);
    line += lead;
    line += QString::number(number).leftJustified(5, QLatin1Char(' '));
    line += QLatin1String("   ");
    appendRecordBody(line, record, pointsColumn);
    return line;
}

// Numbers the selected records from 1 and hands each to visit with its points, in tenths (0 for
// the non-confirmed listing, which shows none). The points come from one scoring pass over the
// selected records only, so the 25 places of a département go to its first 25 selected records.
void forEachSelected(Selection selection, const QList<QByteArray>& log,
    const std::function<void(qint64, const QByteArray&, qint64)>& visit)
{
    ScoringPass pass;
    qint64 number = 1;
    for (const QByteArray& line : log) {
        if (!isSelected(selection, line))
            continue;
        visit(number++, line, selection == Selection::NonConfirme ? 0 : pass.nextTenths(line));
    }
}

QString titleText(Report report, bool printed)
{
    if (report == Report::Confirme)
        return QStringLiteral("  Codes Postaux confirmés au ");
    // The report file's contacted title has one leading blank, the printout's two.
    return printed ? QStringLiteral("  Codes Postaux contactés au ")
                   : QStringLiteral(" Codes Postaux contactés au ");
}

QString fileHeader(Report report)
{
    return report == Report::Confirme
        ? QStringLiteral(
            "     N°      C.P.   Date   Indicatif   Mode      QRG     DFCF     Points     Commune")
        : QStringLiteral(
            "     N°      C.P.   Date   Indicatif   Mode      QRG     DFCF      Points    Commune");
}

const QString kPrintedHeader = QStringLiteral(
    "     N°      C.P.   Date   Indicatif   Mode      QRG     DFCF       Points     Commune");

} // namespace

const QString kCreditLine = QString(37, QLatin1Char(' '))
    + QStringLiteral("Compte rendu établi par Kerlanic, carnet de trafic des Codes Postaux");

bool blanksOnly(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c != ' ')
            return false;
    }
    return true;
}

bool hasContactDate(QByteArrayView line)
{
    return !blanksOnly(characters(line, 6, 8));
}

bool isSelected(Selection selection, QByteArrayView line)
{
    switch (selection) {
    case Selection::Contacte:
        return hasContactDate(line);
    case Selection::Confirme:
        return isConfirmedRecord(line);
    case Selection::NonConfirme:
        // Made and not confirmed: the QSL still to ask for.
        return QslStatus::of(line).digit() == '2';
    }
    return false;
}

QString totalLine(const QString& total)
{
    return QString(34, QLatin1Char(' ')) + kTotalWords + total;
}

QString windowLine(qint64 number, QByteArrayView record)
{
    return numberedLine(QLatin1String(" "), number, record, QString());
}

QString windowLine(qint64 number, QByteArrayView record, const QString& points)
{
    return numberedLine(QLatin1String(" "), number, record, printedPointsColumn(points));
}

WindowListing::WindowListing(Selection selection, const QList<QByteArray>& log, const QString& total)
    : m_selection(selection)
    , m_total(total)
{
    // The same selection and the same scoring pass as the reports, without the texts.
    forEachSelected(selection, log, [this](qint64, const QByteArray& record, qint64 tenths) {
        m_records << record;
        if (withPoints())
            m_tenths << tenths;
    });
}

qsizetype WindowListing::size() const
{
    return m_records.size() + (withPoints() ? 2 : 0);
}

QString WindowListing::line(qsizetype row) const
{
    if (row < 0 || row >= size())
        return {};
    if (row == m_records.size() + 1)
        return totalLine(m_total);
    if (row == m_records.size())
        return {};
    return withPoints() ? windowLine(row + 1, m_records[row], formatPoints(m_tenths[row]))
                        : windowLine(row + 1, m_records[row]);
}

qsizetype WindowListing::longestLine() const
{
    // Every record line has the same columns up to its town, whose bytes are one character each;
    // only the points may be wider than their column. The total line is counted too.
    const auto digits = [](qint64 n) {
        qsizetype count = 1;
        for (; n >= 10; n /= 10)
            ++count;
        return count;
    };
    qsizetype longest = withPoints() ? totalLine(m_total).size() : 0;
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        qsizetype points = 0;
        if (withPoints()) {
            // "##0.0" right-aligned in 8, then three blanks.
            points = std::max<qsizetype>(8, digits(m_tenths[i] / 10) + 2) + 3;
        }
        const qsizetype length = 1 + std::max<qsizetype>(5, digits(i + 1)) + 3 + 28 + 15 + 2 + 5 + 3 + points
            + fieldBytes(m_records[i], LogField::Commune).size();
        longest = std::max(longest, length);
    }
    return longest;
}

QString windowHeader(Selection selection)
{
    return selection == Selection::NonConfirme
        ? QStringLiteral(
            "  N°          C.P.    Date    Indicatif       Mode       QRG       DFCF         Commune")
        : QStringLiteral("  N°          C.P.    Date    Indicatif       Mode       QRG       DFCF       "
                         "Points            Commune");
}

QString reportDate(QDate date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString reportStamp(QDate date)
{
    // Day, month and the last two digits of the year of the date written dd/mm/yyyy.
    const QString written = reportDate(date);
    return written.mid(0, 2) + QLatin1Char('_') + written.mid(3, 2) + QLatin1Char('_') + written.right(2);
}

QString reportFileName(Report report, const QString& callsign, QDate date)
{
    const QString prefix
        = report == Report::Confirme ? QStringLiteral("CP_Confirme_") : QStringLiteral("CP_Contacte_");
    return prefix + callsign + QLatin1Char('_') + reportStamp(date) + QStringLiteral(".txt");
}

QString filePointsColumn(Report report, const QString& p)
{
    if (report == Report::Contacte)
        return printedPointsColumn(p);
    // The confirmed report writes a points text with a full stop as it stands, one blank each
    // side; a text with another decimal separator is right-aligned in 6 instead.
    const qsizetype stop = p.indexOf(QLatin1Char('.'));
    if (stop >= 0)
        return QLatin1Char(' ') + p.left(stop) + QLatin1Char('.') + p.right(1) + QLatin1Char(' ');
    return p.rightJustified(6, QLatin1Char(' ')) + QLatin1String("   ");
}

QString printedPointsColumn(const QString& p)
{
    return p.rightJustified(8, QLatin1Char(' ')) + QLatin1String("   ");
}

QString reportRecordLine(qint64 number, QByteArrayView record, const QString& pointsColumn)
{
    return numberedLine(QLatin1String("    "), number, record, pointsColumn);
}

QStringList reportFileLines(
    Report report, const QString& callsign, QDate date, const QList<QByteArray>& log, const QString& total)
{
    QStringList lines {QString(20, QLatin1Char(' ')) + callsign + titleText(report, false) + reportDate(date),
        QString(), fileHeader(report), QString()};
    forEachSelected(selectionOf(report), log, [&](qint64 number, const QByteArray& record, qint64 tenths) {
        lines << reportRecordLine(number, record, filePointsColumn(report, formatPoints(tenths)));
    });
    lines << QString() << totalLine(total) << QString() << kCreditLine;
    return lines;
}

QStringList printedReportLines(
    Report report, const QString& callsign, QDate date, const QList<QByteArray>& log, const QString& total)
{
    QStringList lines {QString(23, QLatin1Char(' ')) + callsign + titleText(report, true) + reportDate(date),
        QString(), kPrintedHeader, QString()};
    forEachSelected(selectionOf(report), log, [&](qint64 number, const QByteArray& record, qint64 tenths) {
        lines << reportRecordLine(number, record, printedPointsColumn(formatPoints(tenths)));
    });
    lines << QString()
          << QString(33, QLatin1Char(' ')) + kTotalWords + total.rightJustified(10, QLatin1Char(' '))
          << QString() << kCreditLine;
    return lines;
}
