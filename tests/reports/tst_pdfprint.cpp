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

std::unique_ptr<QPrinter> pdfPrinter(const QString& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    return printer;
}

} // namespace

// The real printer, printing into a PDF file instead of through the dialog.
class TestPdfPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void longReportRunsOnSeveralPages();
    void unwritableOutputIsAFailure();

private:
    QTemporaryDir m_dir;
};

void TestPdfPrint::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QList<QByteArray> records;
    for (int i = 0; i < 500; ++i)
        records << record(QByteArray::number(1000 + i * 180).rightJustified(5, '0').constData(), "12/03/06",
            "F1ABCDEFGHIJ", i % 5 == 0 ? '2' : '4', "PSK31", "144 Mhz", i % 7 == 0 ? "45050" : "",
            "CHÂTEAUNEUF-SUR-LOIRE-LES-BOIS");
    TestFiles::write(QDir(m_dir.path()).filePath("F6ABC_CP.txt"), TestFiles::logOf(records));
}

void TestPdfPrint::longReportRunsOnSeveralPages()
{
    const QString first = QDir(m_dir.path()).filePath("contactes.pdf");
    int asked = 0;
    QtPrinter printer(pdfPrinter(first), [&](QPrinter&) {
        ++asked;
        return true;
    });
    QString message;
    QCOMPARE(printReport(Report::Contacte, printer, m_dir.path(), "F6ABC", QDate(2026, 12, 5), "12345678.9",
                 &message),
        PrintOutcome::Printed);
    QCOMPARE(asked, 1);
    QVERIFY(message.isEmpty());

    // Title, header and their empty lines, 500 records, then total and credit with their empty
    // lines: 508 lines of Courier New (or its metric twin) bold 9 points, one below the other,
    // a new page whenever the next line would not fit.
    QFont font;
    font.setFamilies({"Courier New", "Liberation Mono"});
    font.setPointSizeF(9);
    font.setBold(true);
    QPrinter& device = printer.qprinter();
    const QFontMetricsF metrics(QFont(font, &device), &device);
    const qreal pageHeight = device.pageLayout().paintRectPixels(device.resolution()).height();
    const int linesPerPage = 1 + int((pageHeight - metrics.height()) / metrics.lineSpacing());
    QVERIFY(linesPerPage > 60 && linesPerPage < 100);
    const QByteArray pdf = TestFiles::read(first);
    QCOMPARE(pagesOf(pdf), int(std::ceil(508.0 / linesPerPage)));
    // The fixed-pitch face is embedded in bold.
    QVERIFY2(pdf.contains("/BaseFont /LiberationMono-Bold") || pdf.contains("/BaseFont /CourierNewPS-BoldMT"),
        pdf.left(200).constData());

    // The printer's own font comes back, bold off.
    QCOMPARE(printer.fontName(), "Arial");
    QCOMPARE(printer.fontSize(), 10.0);
    QVERIFY(!printer.fontBold());

    // A second job on the same printer starts on a fresh first page: 400 confirmed records and
    // 8 other lines.
    const QString second = QDir(m_dir.path()).filePath("confirmes.pdf");
    printer.qprinter().setOutputFileName(second);
    QCOMPARE(
        printReport(Report::Confirme, printer, m_dir.path(), "F6ABC", QDate(2026, 12, 5), "1.0", &message),
        PrintOutcome::Printed);
    QCOMPARE(pagesOf(TestFiles::read(second)), int(std::ceil(408.0 / linesPerPage)));
}

void TestPdfPrint::unwritableOutputIsAFailure()
{
    QtPrinter printer(pdfPrinter(QDir(m_dir.path()).filePath("no such folder/rapport.pdf")),
        [](QPrinter&) { return true; });
    QString message;
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(
        printReport(Report::Confirme, printer, m_dir.path(), "F6ABC", QDate(2026, 12, 5), "1.0", &message),
        PrintOutcome::Failed);
    QCOMPARE(
        message, QString::fromUtf8("L'impression a échoué : l'imprimante n'a pas reçu le compte rendu."));
    QVERIFY(!printer.fontBold());
}

QTEST_MAIN(TestPdfPrint)
#include "tst_pdfprint.moc"
