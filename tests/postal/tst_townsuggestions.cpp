#include "MainFixture.h"
#include "postal/TownSuggestions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>

namespace {

// The main window of a station whose log is empty: every postal code is new.
struct TownFixture : MainFixture
{
    QLineEdit* town() const { return edit("Ville_A"); }
    QAbstractItemView* list() const { return town()->completer()->popup(); }

    // Enters a new postal code: the look-up hands the focus to the empty town field, and the
    // communes of the code drop down.
    bool enterNewPostalCode(const QString& code)
    {
        setStation("F6ABC", "75001", QByteArray());
        startActive();
        typeAndEnter("C_Postal_A", code);
        fake.messages.shown.clear(); // "Le Code Postal ... n'a pas été contacté"
        return town()->completer() && QTest::qWaitFor([this] { return list()->isVisible(); });
    }
};

} // namespace

class TestTownSuggestions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The entry row tests pick ORLÉANS from the list and pass the check; here, what surrounds a pick.
    void pickingThenEnterPassesTheTownCheck()
    {
        TownFixture f;
        QVERIFY(f.enterNewPostalCode("45000"));
        // Enter without a pick checks what the field holds.
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(f.fake.messages.shown, QStringList {"Entrez un nom de Commune"});
        QVERIFY(!f.list()->isVisible());

        QTest::keyClicks(f.town(), "or");
        QTRY_VERIFY(f.list()->isVisible());
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(f.town()->text(), QStringLiteral("ORLÉANS"));
        QVERIFY(!f.list()->isVisible());
        // Picking took that Enter: the check runs at the next one, and the entry goes on.
        QCOMPARE(QApplication::focusWidget(), f.town());
        QTest::keyClick(f.town(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.edit("DFCF_A"));
        QCOMPARE(f.fake.messages.shown.size(), 1);

        // Back on the filled field, nothing drops down over the name.
        f.town()->setFocus(Qt::MouseFocusReason);
        QTest::qWait(50);
        QVERIFY(!f.list()->isVisible());
    }

    // Saint and St alike, shortened names included; no accent needed.
    void typedKeysReachTheRowsOwnHandling_data()
    {
        QTest::addColumn<QString>("postalCode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("completion");
        const auto row = [](const char* code, const char* typed, const char* completion) {
            QTest::newRow(typed) << code << typed << completion;
        };
        row("51290", "saint r", "ST-REMY-EN-BOUZEMONT-ST-GENEST");
        row("51290", "st-c", "SAINT-CHÉRON");
        row("94240", "lhay", "L'HAŸ-LES-ROSES");
    }

    void typedKeysReachTheRowsOwnHandling()
    {
        QFETCH(QString, postalCode);
        QFETCH(QString, typed);
        TownFixture f;
        QVERIFY(f.enterNewPostalCode(postalCode));
        // While the list is open it has the keyboard; the keys must still go through the entry
        // row's handling of the field, which turns them into capitals.
        QTest::keyClicks(f.list(), typed);
        QCOMPARE(f.town()->text(), typed.toUpper());
        QVERIFY(f.list()->isVisible());
        QCOMPARE(f.town()->completer()->completionCount(), 1);
        QTEST(f.town()->completer()->currentCompletion(), "completion");
    }
};

QTEST_MAIN(TestTownSuggestions)
#include "tst_townsuggestions.moc"
