#include "postal/TownSuggestions.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Stands in for the entry row's key handling of Ville_A, which works through an event filter:
// small letters become capitals, and Enter runs the town check on the text of that moment.
class EntryKeys : public QObject
{
public:
    QStringList checked; // the text of the field at each Enter
    QStringList messages;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* field = static_cast<QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            checked << field->text();
            if (field->text().isEmpty())
                messages << QStringLiteral("Entrez un nom de Commune");
            else if (field->text().size() > 30)
                messages << QStringLiteral("Non de la Commune 30 chiffres maximum");
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && text[0] >= u'a' && text[0] <= u'z') {
            field->insert(text.toUpper());
            return true;
        }
        return false;
    }
};

} // namespace

class TestTownSuggestions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void offersTheCommunesWithoutTouchingTheField_data();
    void offersTheCommunesWithoutTouchingTheField();
    void pickingThenEnterPassesTheTownCheck();
    void typedKeysReachTheFieldsOwnHandling();
    void enterWithoutAPickChecksWhatWasTyped();
    void aFilledFieldIsLeftAlone();
    void emptyListTakesTheSuggestionsAway();

private:
    QAbstractItemView* list() const { return m_field->completer()->popup(); }

    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_field = nullptr;
    QLineEdit* m_other = nullptr;
    EntryKeys* m_keys = nullptr;
};

void TestTownSuggestions::init()
{
    m_window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(m_window.get());
    m_other = new QLineEdit(m_window.get());
    m_field = new QLineEdit(m_window.get());
    m_field->setObjectName("Ville_A");
    layout->addWidget(m_other);
    layout->addWidget(m_field);
    m_keys = new EntryKeys;
    m_keys->setParent(m_window.get());
    m_field->installEventFilter(m_keys);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_other->setFocus();
}

void TestTownSuggestions::cleanup()
{
    m_window.reset();
}

void TestTownSuggestions::offersTheCommunesWithoutTouchingTheField_data()
{
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<QStringList>("towns");
    QTest::newRow("Orléans") << "45000" << QStringList {"ORLÉANS"};
    QTest::newRow("two communes") << "45800" << QStringList {"COMBLEUX", "SAINT-JEAN-DE-BRAYE"};
    QTest::newRow("Corsica as the log writes it") << "2A000" << QStringList {"AJACCIO"};
}

void TestTownSuggestions::offersTheCommunesWithoutTouchingTheField()
{
    QFETCH(QString, postalCode);
    QFETCH(QStringList, towns);

    offerTownsOfPostalCode(m_field, postalCode);
    QCOMPARE(offeredTownNames(m_field), towns);
    QVERIFY(!list()->isVisible());

    // The look-up hands the focus to the empty town field: the names drop down.
    m_field->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(list()->isVisible());
    QCOMPARE(m_field->completer()->completionCount(), towns.size());
    QCOMPARE(list()->model()->index(0, 0).data().toString(), towns.front());
    QCOMPARE(m_field->text(), QString());
    QVERIFY(m_keys->checked.isEmpty());
}

void TestTownSuggestions::pickingThenEnterPassesTheTownCheck()
{
    offerTownsOfPostalCode(m_field, u"45000");
    m_field->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(list()->isVisible());

    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(m_field->text(), QStringLiteral("ORLÉANS"));
    QVERIFY(!list()->isVisible());
    // Picking took that Enter: the check has not run yet.
    QVERIFY(m_keys->checked.isEmpty());

    QTest::keyClick(m_field, Qt::Key_Return);
    QCOMPARE(m_keys->checked, QStringList {"ORLÉANS"});
    QCOMPARE(m_keys->messages, QStringList {});
    QVERIFY(!list()->isVisible());
}

void TestTownSuggestions::typedKeysReachTheFieldsOwnHandling()
{
    offerTownsOfPostalCode(m_field, u"45800");
    m_field->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(list()->isVisible());

    // While the list is open it has the keyboard; the keys must still go through the field's
    // filter, which turns them into capitals.
    QTest::keyClicks(list(), "sa");
    QCOMPARE(m_field->text(), QStringLiteral("SA"));
    QVERIFY(list()->isVisible());
    QCOMPARE(m_field->completer()->completionCount(), 1);
    QCOMPARE(m_field->completer()->currentCompletion(), QStringLiteral("SAINT-JEAN-DE-BRAYE"));

    // Saint, St and shortened names alike.
    offerTownsOfPostalCode(m_field, u"51290");
    m_field->clear();
    QTest::keyClicks(m_field, "saint r");
    QTRY_VERIFY(list()->isVisible());
    QCOMPARE(m_field->completer()->completionCount(), 1);
    QCOMPARE(m_field->completer()->currentCompletion(), QStringLiteral("ST-REMY-EN-BOUZEMONT-ST-GENEST"));
    m_field->clear();
    QTest::keyClicks(m_field, "st-c");
    QCOMPARE(m_field->completer()->currentCompletion(), QStringLiteral("SAINT-CHÉRON"));
    QCOMPARE(m_field->completer()->completionCount(), 1);

    // No accent needed to narrow on an accented name.
    offerTownsOfPostalCode(m_field, u"94240");
    m_field->clear();
    QTest::keyClicks(m_field, "lhay");
    QTRY_VERIFY(list()->isVisible());
    QCOMPARE(m_field->completer()->currentCompletion(), QStringLiteral("L'HAŸ-LES-ROSES"));
}

void TestTownSuggestions::enterWithoutAPickChecksWhatWasTyped()
{
    offerTownsOfPostalCode(m_field, u"45800");
    m_field->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(list()->isVisible());

    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(m_keys->checked, QStringList {""});
    QCOMPARE(m_keys->messages, QStringList {"Entrez un nom de Commune"});
    QVERIFY(!list()->isVisible());

    m_field->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(m_field, "co");
    QTRY_VERIFY(list()->isVisible());
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(m_keys->checked, (QStringList {"", "CO"}));
    QCOMPARE(m_field->text(), QStringLiteral("CO"));
}

void TestTownSuggestions::aFilledFieldIsLeftAlone()
{
    m_field->setText("ORLEANS");
    offerTownsOfPostalCode(m_field, u"45000");
    m_field->setFocus(Qt::OtherFocusReason);
    QTest::qWait(50);
    QVERIFY(!list()->isVisible());
    QCOMPARE(m_field->text(), QStringLiteral("ORLEANS"));
}

void TestTownSuggestions::emptyListTakesTheSuggestionsAway()
{
    offerTownsOfPostalCode(m_field, u"45000");
    QVERIFY(m_field->completer());
    offerTownsOfPostalCode(m_field, u"99999");
    QCOMPARE(offeredTownNames(m_field), QStringList());
    QVERIFY(!m_field->completer());
    m_field->setFocus(Qt::OtherFocusReason);
    QTest::qWait(50);
    QCOMPARE(m_field->text(), QString());

    // A completer the field had of its own is not ours to remove.
    auto* own = new QCompleter(QStringList {"X"}, m_field);
    m_field->setCompleter(own);
    offerTownNames(m_field, {});
    QCOMPARE(m_field->completer(), own);
}

QTEST_MAIN(TestTownSuggestions)
#include "tst_townsuggestions.moc"
