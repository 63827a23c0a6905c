#include "TestFiles.h"
#include "platform/QtPrinter.h"
#include "reports/ReportFiles.h"

#include <QDir>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using TestFiles::record;

namespace {

int pagesOf(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int pages = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++pages;
    return pages;
}

// The real printer, printing into a PDF file; its print dialog always says yes.
std::unique_ptr<QtPrinter> pdfPrinter(const QString& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    return std::make_unique<QtPrinter>(std::move(printer), [](QPrinter&) { return true; });
}

} // namespace

// The real printer on a PDF file: pagination, the embedded face and a failed output.
class TestPdfPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QList<QByteArray> records;
        for (int i = 0; i < 500; ++i)
            records << record(QByteArray::number(1000 + i * 180).rightJustified(5, '0').constData(),
                "12/03/06", "F1ABCDEFGHIJ", i % 5 == 0 ? '2' : '4', "PSK31", "144 Mhz",
                i % 7 == 0 ? "45050" : "", "CHÂTEAUNEUF-SUR-LOIRE-LES-BOIS");
        TestFiles::write(QDir(m_dir.path()).filePath("F6ABC_CP.txt"), TestFiles::logOf(records));
    }

    void longReportRunsOnSeveralPages()
    {
        const QString first = QDir(m_dir.path()).filePath("contactes.pdf");
        const auto printer = pdfPrinter(first);
        QCOMPARE(print(*printer, Report::Contacte), PrintOutcome::Printed);

        // Title, header and their empty lines, 500 records, then total and credit with their empty
        // lines: 508 lines of Courier New (or its metric twin) bold 9 points, one below the other,
        // a new page whenever the next line would not fit.
        QFont font;
        font.setFamilies({"Courier New", "Liberation Mono"});
        font.setPointSizeF(9);
        font.setBold(true);
        QPrinter& device = printer->qprinter();
        const QFontMetricsF metrics(QFont(font, &device), &device);
        const qreal pageHeight = device.pageLayout().paintRectPixels(device.resolution()).height();
        const int linesPerPage = 1 + int((pageHeight - metrics.height()) / metrics.lineSpacing());
        QVERIFY(linesPerPage > 60 && linesPerPage < 100);
        const QByteArray pdf = TestFiles::read(first);
        QCOMPARE(pagesOf(pdf), int(std::ceil(508.0 / linesPerPage)));
        // The fixed-pitch face is embedded in bold.
        QVERIFY2(
            pdf.contains("/BaseFont /LiberationMono-Bold") || pdf.contains("/BaseFont /CourierNewPS-BoldMT"),
            pdf.left(200).constData());

        // A second job on the same printer starts on a fresh first page: 400 confirmed records and
        // 8 other lines.
        const QString second = QDir(m_dir.path()).filePath("confirmes.pdf");
        device.setOutputFileName(second);
        QCOMPARE(print(*printer, Report::Confirme), PrintOutcome::Printed);
        QCOMPARE(pagesOf(TestFiles::read(second)), int(std::ceil(408.0 / linesPerPage)));
    }

    void unwritableOutputIsAFailure()
    {
        const auto printer = pdfPrinter(QDir(m_dir.path()).filePath("no such folder/rapport.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(print(*printer, Report::Confirme), PrintOutcome::Failed);
    }

private:
    PrintOutcome print(QtPrinter& printer, Report report)
    {
        return printReport(report, printer, m_dir.path(), "F6ABC", QDate(2026, 12, 5), "1.0", nullptr);
    }
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPdfPrint)
#include "tst_pdfprint.moc"
