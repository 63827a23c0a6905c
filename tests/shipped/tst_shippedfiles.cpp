#include "TestFiles.h"
#include "app/AppDir.h"
#include "log/Cp1252.h"
#include "platform/QtHelpViewer.h"
#include "postal/PostalBase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

QByteArray shipped(const QString& name)
{
    QFile file(u":/shipped/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestShippedFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void townListHasTheFormatAndOneRunPerDepartement()
    {
        const QByteArray list = shipped("Liste_DVF.txt");
        QVERIFY(list.startsWith("01  01000 BOURG-EN-BRESSE\r\n"));
        QVERIFY(list.endsWith("\r\n"));

        // The département padded to 3 characters, one separator, the postal code as the log writes it
        // (Corsica: 2A or 2B and three digits), one separator, the town in capitals. The letters
        // allowed are all in Windows-1252, and no stray CR, LF or blank is left.
        static const QRegularExpression format(
            QStringLiteral("^(0[1-9]|[1-8][0-9]|9[0-5]|2A|2B)  (\\1[0-9]{3}) "
                           "([A-ZÀ-ÖØ-ÞŒŸ]|[A-ZÀ-ÖØ-ÞŒŸ][A-ZÀ-ÖØ-ÞŒŸ' -]*[A-ZÀ-ÖØ-ÞŒŸ])$"));
        // Département order, Corsica where 20 would be.
        const auto rank = [](const QString& d) { return d[1].isLetter() ? QString(d).insert(1, u'0') : d; };
        QString last; // the département of the line before
        QMap<QString, QString> townOf;
        QMap<QString, int> linesOf;
        QSet<QString> codes;
        for (const QString& line : Cp1252::decode(list).chopped(2).split(QStringLiteral("\r\n"))) {
            const QRegularExpressionMatch m = format.match(line);
            QVERIFY2(m.hasMatch() && line.size() <= 42, qPrintable(line));
            const QString dpt = m.captured(1), code = m.captured(2), town = m.captured(3);
            if (dpt != last) {
                QVERIFY2(last.isEmpty() || rank(last) < rank(dpt), qPrintable(line));
                townOf[dpt] = town;
                last = dpt;
            }
            // One town per département, each postal code once.
            QVERIFY2(town == townOf[dpt] && !codes.contains(code), qPrintable(line));
            codes << code;
            ++linesOf[town];
            // The list and the base come from one data set: the entry row suggests this town for the code.
            QVERIFY2(PostalBase::shipped().townNamesOf(code).contains(town), qPrintable(line));
        }
        QCOMPARE(townOf.size(), 96); // every metropolitan département, Corsica as two
        // Paris: 75001 to 75020 and 75116.
        QCOMPARE((QList<int> {linesOf["PARIS"], linesOf["MARSEILLE"], linesOf["AJACCIO"]}),
            (QList<int> {21, 16, 3}));
    }

    // Each shipped file byte for byte, into an empty folder. A file of that name with contents stays
    // as it is: the default station's log is the template, and a user may have made a list or
    // annotated the manual.
    void shippedFilesAreInstalledByteForByteAndNeverOverwritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("town list") << QString("Liste_DVF.txt");
        QTest::newRow("manual") << QString("Kerlanic.hlp");
        QTest::newRow("empty template log") << QString("FXXXX_CP.txt");
    }

    void shippedFilesAreInstalledByteForByteAndNeverOverwritten()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(name);
        QVERIFY(installShippedFiles(dir.path()).isEmpty());
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(TestFiles::read(path), shipped(name));
        // One left empty by a first start killed halfway is written again.
        TestFiles::write(path, "");
        QVERIFY(installShippedFiles(dir.path()).isEmpty());
        QCOMPARE(TestFiles::read(path), shipped(name));

        const QByteArray own = "45000 12/03/06 F6ABC        4 SSB    14 Mhz       ORLEANS\r\n";
        TestFiles::write(path, own);
        QVERIFY(installShippedFiles(dir.path()).isEmpty());
        QCOMPARE(TestFiles::read(path), own);
    }

    void manualOpensOnItsContentsAndEveryLinkResolves()
    {
        QTemporaryDir dir;
        QVERIFY(installShippedFiles(dir.path()).isEmpty());
        const QString manual = QDir(dir.path()).filePath("Kerlanic.hlp");
        QtHelpViewer viewer;
        viewer.showHelp(manual);
        QTextBrowser* browser = viewer.browser();
        QVERIFY(browser && QTest::qWaitForWindowExposed(browser));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Kerlanic - Mode d'emploi"));

        // The anchors and links as QTextBrowser understood the HTML: what the user can actually
        // follow, not what the file merely contains.
        QStringList anchors;
        QStringList hrefs;
        for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& name : format.anchorNames())
                    anchors << u'#' + name;
                if (format.isAnchor() && !format.anchorHref().isEmpty())
                    hrefs << format.anchorHref();
            }
        }
        for (QStringList* list : {&anchors, &hrefs}) {
            list->removeDuplicates();
            list->sort();
        }
        // Every link leads to a section of the manual, and every section can be reached from the contents.
        QCOMPARE(hrefs, anchors);
        QVERIFY2(anchors.contains("#sommaire") && anchors.size() >= 12, qPrintable(anchors.join(' ')));
        // The map and ADIF have their sections, as every menu has.
        QVERIFY2(anchors.contains("#carte") && anchors.contains("#adif"), qPrintable(anchors.join(' ')));

        // Following a link moves into the manual; opening it again comes back to the contents.
        browser->setSource(QUrl(QStringLiteral("#questions")));
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
        viewer.showHelp(manual);
        QTRY_COMPARE(browser->verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(TestShippedFiles)
#include "tst_shippedfiles.moc"
