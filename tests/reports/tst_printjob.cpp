#include "FakePlatform.h"
#include "reports/PrintJob.h"

#include <QTest>

class TestPrintJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsWithBorrowedFont();
    void cancelPrintsNothingAndPutsTheFontBack();
};

void TestPrintJob::printsWithBorrowedFont()
{
    FakePrinter printer;
    printer.setFontName("Times New Roman");
    printer.setFontSize(12);
    printer.events.clear();

    const PrintOutcome outcome = printWithFont(printer, "Courier New", 9, [] { return QStringList{"a", "", "b"}; });
    QCOMPARE(outcome, PrintOutcome::Printed);
    QCOMPARE(printer.events, (QStringList{"font name=Courier New", "bold=1", "font size=9", "dialog", "line=a", "line=",
                                          "line=b", "end", "bold=0", "font name=Times New Roman", "font size=12"}));
    QCOMPARE(printer.fontName(), QStringLiteral("Times New Roman"));
    QCOMPARE(printer.fontSize(), 12.0);
    QVERIFY(!printer.fontBold());
}

void TestPrintJob::cancelPrintsNothingAndPutsTheFontBack()
{
    FakePrinter printer;
    printer.dialogAnswer = false;
    bool built = false;
    const PrintOutcome outcome = printWithFont(printer, "Courier New", 10, [&] {
        built = true;
        return QStringList{"never"};
    });
    QCOMPARE(outcome, PrintOutcome::Cancelled);
    QVERIFY(!built);
    QVERIFY(printer.lines.isEmpty());
    QCOMPARE(printer.events, (QStringList{"font name=Courier New", "bold=1", "font size=10", "dialog", "bold=0",
                                          "font name=Arial", "font size=10"}));
}

QTEST_GUILESS_MAIN(TestPrintJob)
#include "tst_printjob.moc"
