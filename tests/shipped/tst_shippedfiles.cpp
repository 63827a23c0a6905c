#include "MainFixture.h"
#include "TestFiles.h"
#include "app/AppDir.h"
#include "log/Cp1252.h"
#include "platform/QtHelpViewer.h"
#include "postal/PostalBase.h"
#include "postal/PostalText.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

QByteArray shipped(const char* name)
{
    QFile file(QStringLiteral(":/shipped/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where a département stands in the town list: in number order, Corsica where 20 would be.
double departementRank(const QString& code)
{
    if (code == QLatin1String("2A"))
        return 20.1;
    if (code == QLatin1String("2B"))
        return 20.2;
    return code.toInt();
}

struct DocumentLinks
{
    QSet<QString> anchors;
    QStringList hrefs;
};

// The anchors and links of a document as QTextBrowser understood the HTML: what the user can
// actually follow, not what the file merely contains.
DocumentLinks linksOf(const QTextDocument& document)
{
    DocumentLinks links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                links.anchors << name;
            if (format.isAnchor() && !format.anchorHref().isEmpty()
                && !links.hrefs.contains(format.anchorHref()))
                links.hrefs << format.anchorHref();
        }
    }
    return links;
}

// The manual as the program installs it, opened by the help window.
QTextBrowser* openManual(const QTemporaryDir& dir, QtHelpViewer& viewer)
{
    if (!installShippedFiles(dir.path()).isEmpty())
        return nullptr;
    viewer.showHelp(QDir(dir.path()).filePath("Kerlanic.hlp"));
    return viewer.browser();
}

} // namespace

class TestShippedFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void townListLinesHaveTheFormat();
    void townListHasOneRunPerDepartementInOrder();
    void townListTownsAreThoseOfTheBase_data();
    void townListTownsAreThoseOfTheBase();
    void shippedFilesAreInstalledByteForByteAndNeverOverwritten_data();
    void shippedFilesAreInstalledByteForByteAndNeverOverwritten();
    void manualMenuOpensTheInstalledManual();
    void manualOpensOnItsContentsPage();
    void everyLinkOfTheManualResolves();
};

void TestShippedFiles::townListLinesHaveTheFormat()
{
    const QByteArray list = shipped("Liste_DVF.txt");
    QVERIFY(list.endsWith("\r\n"));
    const QList<QByteArray> lines = list.chopped(1).split('\n');
    QVERIFY(lines.size() > 96);
    static const QRegularExpression departement(QStringLiteral("^(0[1-9]|[1-8][0-9]|9[0-5]|2A|2B)$"));
    for (QByteArray line : lines) {
        const QString where = QString::fromLatin1(line.toPercentEncoding(" "));
        QVERIFY2(line.endsWith('\r'), qPrintable(where));
        line.chop(1);
        QVERIFY2(!line.contains('\r'), qPrintable(where));
        QVERIFY2(line.size() >= 11 && line.size() <= 42, qPrintable(where));
        // Every byte is a character of Windows-1252 (five bytes are not).
        for (const char undefined : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
            QVERIFY2(!line.contains(undefined), qPrintable(where));
        const QString text = Cp1252::decode(line);
        QVERIFY(Cp1252::canEncode(text));

        const QString dpt = text.left(3).trimmed();
        QVERIFY2(departement.match(dpt).hasMatch(), qPrintable(where));
        QCOMPARE(text.left(3), dpt.leftJustified(3));
        QCOMPARE(text[3], u' ');
        // The postal code as the log writes it: five digits of the département, or for Corsica
        // the département and three digits.
        const QString code = text.mid(4, 5);
        static const QRegularExpression digits(QStringLiteral("^[0-9]{5}$"));
        static const QRegularExpression corsica(QStringLiteral("^2[AB][0-9]{3}$"));
        QVERIFY2((digits.match(code).hasMatch() || corsica.match(code).hasMatch()) && code.startsWith(dpt),
            qPrintable(where));
        QCOMPARE(text[9], u' ');
        const QString town = text.mid(10);
        QVERIFY2(!town.isEmpty() && town == town.trimmed() && town == town.toUpper(), qPrintable(where));
    }
}

void TestShippedFiles::townListHasOneRunPerDepartementInOrder()
{
    const QList<QByteArray> lines = shipped("Liste_DVF.txt").chopped(1).split('\n');
    QStringList departements;
    QMap<QString, QString> townOf;
    QSet<QString> codes;
    QMap<QString, int> linesOf;
    for (const QByteArray& line : lines) {
        const QString text = Cp1252::decode(line.chopped(1));
        const QString dpt = text.left(3).trimmed();
        if (departements.isEmpty() || departements.back() != dpt) {
            QVERIFY2(!departements.contains(dpt), qPrintable(dpt + " appears in two runs"));
            if (!departements.isEmpty())
                QVERIFY2(departementRank(departements.back()) < departementRank(dpt), qPrintable(dpt));
            departements << dpt;
            townOf[dpt] = text.mid(10);
        }
        QCOMPARE(text.mid(10), townOf[dpt]); // one town per département
        QVERIFY2(!codes.contains(text.mid(4, 5)), qPrintable(text));
        codes << text.mid(4, 5);
        ++linesOf[townOf[dpt]];
    }
    // Every metropolitan département, Corsica as two.
    QCOMPARE(departements.size(), 96);
    QCOMPARE(townOf["45"], QStringLiteral("ORLÉANS"));
    QCOMPARE(townOf["2A"], QStringLiteral("AJACCIO"));
    QCOMPARE(townOf["2B"], QStringLiteral("BASTIA"));
    QCOMPARE(linesOf["PARIS"], 21); // 75001 to 75020 and 75116
    QCOMPARE(linesOf["MARSEILLE"], 16);
    QCOMPARE(linesOf["AJACCIO"], 3);

    const QByteArray list = shipped("Liste_DVF.txt");
    QVERIFY(list.contains("\r\n45  45000 ORL\xc9"
                          "ANS\r\n45  45100 ORL\xc9"
                          "ANS\r\n46  "));
    QVERIFY(list.contains(
        "\r\n2A  2A000 AJACCIO\r\n2A  2A090 AJACCIO\r\n2A  2A167 AJACCIO\r\n2B  2B200 BASTIA\r\n"));
    QVERIFY(list.startsWith("01  01000 BOURG-EN-BRESSE\r\n"));
}

void TestShippedFiles::townListTownsAreThoseOfTheBase_data()
{
    QTest::addColumn<QString>("line");
    const QList<QByteArray> lines = shipped("Liste_DVF.txt").chopped(1).split('\n');
    for (const QByteArray& line : lines) {
        const QString text = Cp1252::decode(line.chopped(1));
        QTest::newRow(qPrintable(text.mid(4, 5))) << text;
    }
}

void TestShippedFiles::townListTownsAreThoseOfTheBase()
{
    // The list and the base come from one data set: each postal code of the list belongs to its
    // town there, so the suggestions of the entry row agree with the DVF list.
    QFETCH(QString, line);
    const QStringList communes = PostalBase::shipped().communesOf(line.mid(4, 5));
    QStringList towns;
    for (const QString& name : communes)
        towns << PostalText::townCapitals(name);
    QVERIFY2(towns.contains(line.mid(10)), qPrintable(line + " / " + towns.join(", ")));
}

void TestShippedFiles::shippedFilesAreInstalledByteForByteAndNeverOverwritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("town list") << "Liste_DVF.txt";
    QTest::newRow("manual") << "Kerlanic.hlp";
}

void TestShippedFiles::shippedFilesAreInstalledByteForByteAndNeverOverwritten()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(name);
    QVERIFY(installShippedFiles(dir.path()).isEmpty());
    const QByteArray bytes = shipped(qPrintable(name));
    QVERIFY(bytes.size() > 1000);
    QCOMPARE(TestFiles::read(path), bytes);

    // A list the user made, or a manual they annotated, stays as it is.
    const QByteArray own = "45  45000 ORLEANS\r\n";
    TestFiles::write(path, own);
    QVERIFY(installShippedFiles(dir.path()).isEmpty());
    QCOMPARE(TestFiles::read(path), own);
}

void TestShippedFiles::manualMenuOpensTheInstalledManual()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    QVERIFY(installShippedFiles(f.dir.path()).isEmpty());
    f.start();
    f.main->findChild<QAction*>("Mnu_Mode_Emploi")->trigger();
    QCOMPARE(f.fake.help.shown, QStringList {QDir(f.dir.path()).filePath("Kerlanic.hlp")});
    QCOMPARE(f.fake.messages.shown, QStringList());
}

void TestShippedFiles::manualOpensOnItsContentsPage()
{
    QTemporaryDir dir;
    QtHelpViewer viewer;
    QTextBrowser* browser = openManual(dir, viewer);
    QVERIFY(browser && browser->isVisible());
    QCOMPARE(browser->documentTitle(), QStringLiteral("Kerlanic - Mode d'emploi"));
    QVERIFY(QTest::qWaitForWindowExposed(browser));
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
    const QString text = browser->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Kerlanic - Mode d'emploi")));
    QVERIFY(text.contains(QStringLiteral("Sommaire\n")));
    QVERIFY(text.contains(QStringLiteral("Questions fréquentes")));

    // Following a link moves into the manual; opening it again comes back to the contents.
    browser->setSource(QUrl(QStringLiteral("#questions")));
    QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
    viewer.showHelp(QDir(dir.path()).filePath("Kerlanic.hlp"));
    QTRY_COMPARE(browser->verticalScrollBar()->value(), 0);
}

void TestShippedFiles::everyLinkOfTheManualResolves()
{
    QTemporaryDir dir;
    QtHelpViewer viewer;
    QTextBrowser* browser = openManual(dir, viewer);
    QVERIFY(browser);
    const DocumentLinks links = linksOf(*browser->document());

    QVERIFY(links.anchors.contains("sommaire"));
    QVERIFY2(links.hrefs.size() >= 12, qPrintable(links.hrefs.join(' ')));
    QStringList unresolved;
    for (const QString& href : links.hrefs) {
        if (!href.startsWith(u'#') || !links.anchors.contains(href.mid(1)))
            unresolved << href;
    }
    QCOMPARE(unresolved.join(u' '), QString());
    // Every section can be reached from the contents.
    for (const QString& anchor : links.anchors)
        QVERIFY2(links.hrefs.contains(u'#' + anchor), qPrintable(anchor));
}

QTEST_MAIN(TestShippedFiles)
#include "tst_shippedfiles.moc"
