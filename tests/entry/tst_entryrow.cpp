#include "MainFixture.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "widgets/FieldColour.h"
#include "postal/TownSuggestions.h"
#include "reports/Listing.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestFiles::logOf;
using TestFiles::record;
using namespace SampleLog;

namespace {

const QByteArray kLog = logOf({kDfcf, kBourg, kOrleans, kHeld, kParis});

const char* const kRow[] = {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A", "Ind_A", "Mode_A", "Bande_A",
    "QSLE_A", "QSLR_A", "Valide_A"};

// The main window on fakes, with the helpers of a user at the keyboard.
struct EntryFixture : MainFixture
{
    // Starts the main window on the set-up station F6ABC, whose log is given.
    void startStation(const QByteArray& log = kLog)
    {
        setStation("F6ABC", "45000", log);
        startActive();
    }
    QString text(const char* name) const
    {
        if (auto* box = combo(name))
            return box->currentText();
        return edit(name)->text();
    }
    QString status() const { return label("Status_A"); }
    QByteArray log() const { return TestFiles::read(logPath(logbook.Indicatif_Station())); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QStringList shown() const { return fake.messages.shown; }
    QString focus() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-";
    }

    // The controls of the row painted light green (one at most), and those enabled.
    QString waiting() const { return controls(true); }
    QString enabled() const { return controls(false); }
    QString controls(bool painted) const
    {
        QStringList names;
        for (const char* name : kRow) {
            if (painted ? isMarkedWaiting(control(name)) : control(name)->isEnabled())
                names << QLatin1String(name);
        }
        return names.join(u' ');
    }

    // Enter in each box of the chain from first to last, taking their texts as they are.
    void enterFrom(const char* first, const char* last = "QSLR_A")
    {
        bool pressing = false;
        for (const char* name : kRow) {
            pressing = pressing || qstrcmp(name, first) == 0;
            if (pressing)
                enter(name);
            if (qstrcmp(name, last) == 0)
                return;
        }
    }

    // Types a new contact up to the mode, then, unless told not to, up to the save button.
    void typeContact(bool toTheEnd = true)
    {
        typeAndEnter("C_Postal_A", "45200");
        typeAndEnter("Ville_A", "OLIVET");
        enter("DFCF_A");
        typeAndEnter("Date_A", "12/03/06");
        typeAndEnter("Ind_A", "f5xyz");
        if (toTheEnd)
            enterFrom("Mode_A");
    }

    // A click on a button that asks, answered Yes or No.
    void answer(const char* name, bool yes = true)
    {
        fake.messages.setNextAnswer(yes);
        click(name);
    }
};

} // namespace

class TestEntryRow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roadOfAContact();
    void enterMovesTheHighlightAlong_data();
    void enterMovesTheHighlightAlong();
    void refusedEnterAndGoingBack();
    void lookUpOutcomesOnTheRow_data();
    void lookUpOutcomesOnTheRow();
    void firstInstallationMessageOnEveryKey();
    void modeAndBandSettings_data();
    void modeAndBandSettings();
    void aContactIsNeverStoredTwice_data();
    void aContactIsNeverStoredTwice();
    void refusedFailedOrDeclinedSave();
    void unreadableLogBlocksTheLookUp();
    void modifyAndCancelTheChosenLineOnly();
    void clearingEndsAModification();
};

void TestEntryRow::roadOfAContact()
{
    EntryFixture f;
    TestFiles::write(QDir(f.dir.path()).filePath("FXXXX_CP.txt"), kLog);
    f.startActive();
    f.fake.messages.shown.clear();

    // The station: F6ABC/P at 45000, typed box by box; its log a copy of the template.
    f.main->findChild<QAction*>("Mnu_New_Indicatif")->trigger();
    auto* station = f.main->findChild<QWidget*>("Station");
    QVERIFY(station);
    auto* callsign = station->findChild<QLineEdit*>("New_Indicatif");
    auto* code = station->findChild<QLineEdit*>("New_CP");
    QVERIFY(isMarkedWaiting(callsign) && !isMarkedWaiting(code));
    QTest::keyClicks(callsign, "f6abc/p");
    QCOMPARE(callsign->text(), QStringLiteral("F6ABC_P"));
    QTest::keyClick(callsign, Qt::Key_Return);
    QVERIFY(!isMarkedWaiting(callsign) && isMarkedWaiting(code));
    QCOMPARE(station->focusWidget(), code);
    QTest::keyClicks(code, "45000");
    QTest::keyClick(code, Qt::Key_Return);
    QVERIFY(!isMarkedWaiting(code));
    QCOMPARE(station->focusWidget()->objectName(), QStringLiteral("Validation"));
    f.fake.settings.writes.clear();
    QTest::keyClick(station->focusWidget(), Qt::Key_Return);
    QVERIFY(!station->isVisible());
    QCOMPARE(f.fake.settings.writes,
        (QStringList {"Setup |Indicatif Station=F6ABC_P", "Setup F6ABC_P|CP Station=45000",
            "Setup F6ABC_P|bande Utilisee=0", "Setup F6ABC_P|Mode Utilise=0"}));
    QCOMPARE(f.log(), kLog);
    QCOMPARE(f.label("I_Station") + u' ' + f.label("C_Station"), QStringLiteral("F6ABC/P 45000"));
    QCOMPARE(f.listedLines(), (QStringList {listingLine(kOrleans), listingLine(kHeld)}));
    QCOMPARE(f.text("Bande_A") + u' ' + f.text("Mode_A"), QStringLiteral("1.8 Mhz SSB"));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("54017.3"));

    // A contact typed box by box.
    f.typeAndEnter("C_Postal_A", "45430");
    QCOMPARE(f.shown(), QStringList {QString::fromUtf8("Le Code Postal 45430 n'a pas été contacté")});
    f.typeAndEnter("Ville_A", QString::fromUtf8("chÉcy"));
    f.enter("DFCF_A");
    f.typeAndEnter("Date_A", "12/03/06");
    f.typeAndEnter("Ind_A", "f5xyz/p");
    f.combo("Mode_A")->setCurrentIndex(1); // chosen with the mouse
    f.enter("Mode_A");
    f.combo("Bande_A")->setCurrentIndex(4);
    f.enterFrom("Bande_A", "QSLE_A");
    f.typeAndEnter("QSLR_A", "x");

    f.fake.messages.setNextAnswer(true);
    QTest::keyClick(f.button("Valide_A"), Qt::Key_Return);
    QCOMPARE(f.fake.messages.asked, QStringList {QString::fromUtf8("Voulez vous enregistrer ces données ?")});
    const QByteArray saved = "45430 12/03/06 F5XYZ/P      4 CW     14 Mhz       CH\xc9"
                             "CY";
    QCOMPARE(f.log(), logOf({kDfcf, kBourg, kOrleans, kHeld, saved, kParis}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("99447.3"));
    QCOMPARE(f.listedLines(), (QStringList {listingLine(kOrleans), listingLine(kHeld), listingLine(saved)}));
    // The row waits for the next postal code, with the same mode and band.
    QCOMPARE(f.waiting() + u'|' + f.enabled(), QStringLiteral("C_Postal_A|C_Postal_A Ville_A"));
    QCOMPARE(f.text("C_Postal_A") + f.text("Ville_A") + f.text("Date_A") + f.text("Ind_A") + f.status(),
        QString());
    QCOMPARE(
        f.text("QSLE_A") + u'|' + f.text("Mode_A") + u'|' + f.text("Bande_A"), QStringLiteral("X|CW|14 Mhz"));

    // The saved line is the chosen one: out of the log again; a No first leaves it there.
    f.answer("Annule_Saisie", false);
    QCOMPARE(f.log(), logOf({kDfcf, kBourg, kOrleans, kHeld, saved, kParis}));
    f.answer("Annule_Saisie");
    QCOMPARE(
        f.fake.messages.asked.last(), QString::fromUtf8("Voulez vous effacer le Code Postal N° 45430 ?"));
    QCOMPARE(f.log(), kLog);
    QCOMPARE(f.listedLines(), (QStringList {listingLine(kOrleans), listingLine(kHeld)}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("54017.3")); // as before the contact
    QCOMPARE(f.shown().size(), 1);
}

namespace {

// One box of the chain walked with Enter: keys typed (small letters become capitals, other
// characters go in as typed), the text then in the box, the control waiting after Enter and the
// controls of the row enabled then.
struct ChainStep
{
    const char* box;
    const char* keys;
    const char* text;
    const char* next;
    const char* enabled;
};

const QList<ChainStep> kChain {
    {"C_Postal_A", "2a004", "2A004", "Ville_A", "C_Postal_A Ville_A Date_A"},
    {"Ville_A", "bastia -/", "BASTIA -/", "DFCF_A", "C_Postal_A Ville_A DFCF_A Date_A"},
    {"DFCF_A", "45001", "45001", "Date_A", "C_Postal_A Ville_A DFCF_A Date_A"},
    {"Date_A", "01/02/07", "01/02/07", "Ind_A", "C_Postal_A Ville_A DFCF_A Date_A Ind_A"},
    {"Ind_A", "tk5xy/p", "TK5XY/P", "Mode_A", "C_Postal_A Ville_A DFCF_A Date_A Ind_A Mode_A"},
    {"Mode_A", "rtty", "RTTY", "Bande_A", "C_Postal_A Ville_A DFCF_A Date_A Ind_A Mode_A Bande_A"},
    {"Bande_A", "", "1.8 Mhz", "QSLE_A", "C_Postal_A Ville_A DFCF_A Date_A Ind_A Mode_A Bande_A QSLE_A"},
    {"QSLE_A", "", "X", "QSLR_A", "C_Postal_A Ville_A DFCF_A Date_A Ind_A Mode_A Bande_A QSLE_A QSLR_A"},
    {"QSLR_A", "x", "X", "Valide_A",
        "C_Postal_A Ville_A DFCF_A Date_A Ind_A Mode_A Bande_A QSLE_A QSLR_A Valide_A"},
};

} // namespace

void TestEntryRow::enterMovesTheHighlightAlong_data()
{
    QTest::addColumn<int>("step");
    for (int i = 0; i < kChain.size(); ++i)
        QTest::newRow(kChain[i].box) << i;
}

void TestEntryRow::enterMovesTheHighlightAlong()
{
    QFETCH(int, step);
    EntryFixture f;
    f.startStation();
    // The boxes before this one, walked as the user does.
    for (int i = 0; i <= step; ++i) {
        const ChainStep& s = kChain[i];
        if (f.combo(s.box) && *s.keys)
            f.combo(s.box)->setEditText(QString());
        f.type(s.box, QString::fromUtf8(s.keys));
        if (i == step)
            QCOMPARE(f.text(s.box), QString::fromUtf8(s.text));
        f.enter(s.box);
    }
    QCOMPARE(f.waiting() + u'|' + f.focus(), QString::fromLatin1(kChain[step].next) + u'|' + kChain[step].next);
    QCOMPARE(f.enabled(), QString::fromLatin1(kChain[step].enabled));
}

void TestEntryRow::refusedEnterAndGoingBack()
{
    EntryFixture f;
    f.startStation();
    // A refused Enter leaves the box waiting, with its text.
    f.typeAndEnter("C_Postal_A", "4520");
    QCOMPARE(f.shown(), QStringList {"Format du Code Postal 5 chiffres"});
    QCOMPARE(f.waiting() + u'|' + f.enabled() + u'|' + f.focus() + u'|' + f.text("C_Postal_A"),
        QStringLiteral("C_Postal_A|C_Postal_A|C_Postal_A|4520"));

    // Back to an earlier box with the mouse: the chain goes on from there. An accented small letter
    // goes in as typed.
    f.edit("C_Postal_A")->setText("45200");
    f.enter("C_Postal_A");
    f.typeAndEnter("Ville_A", "OLIVET");
    f.edit("Ville_A")->setFocus();
    QKeyEvent eAcute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"));
    QApplication::sendEvent(f.control("Ville_A"), &eAcute);
    QCOMPARE(f.text("Ville_A"), QString::fromUtf8("OLIVETé"));
    f.enter("Ville_A");
    QCOMPARE(f.waiting() + u'|' + f.focus(), QStringLiteral("DFCF_A|DFCF_A"));
}

void TestEntryRow::lookUpOutcomesOnTheRow_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("town");
    QTest::addColumn<QString>("saveCaption");
    QTest::addColumn<QStringList>("townsOffered");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("enabled");

    QTest::newRow("contacted: blocked") << "45000" << QString::fromUtf8("C.P. deja contacté avec F1ABC le 12/03/06")
                                        << QString::fromUtf8("ORLÉANS") << "" << QStringList {} << "Efface_A" << "";
    // Nothing to look up: the log's 00000 line would block it.
    QTest::newRow("DFCF reference only") << "00000" << "" << "" << "" << QStringList {} << "Ville_A"
                                         << "C_Postal_A Ville_A Date_A";
    QTest::newRow("new code: its towns offered")
        << "45800" << "Nouveau Code Postal" << "" << "Enregistrer C.P."
        << QStringList {"COMBLEUX", "SAINT-JEAN-DE-BRAYE"} << "Ville_A" << "C_Postal_A Ville_A Date_A";
}

void TestEntryRow::lookUpOutcomesOnTheRow()
{
    QFETCH(QString, code);
    EntryFixture f;
    f.startStation();
    f.typeAndEnter("C_Postal_A", code);
    QTEST(f.status(), "status");
    QTEST(f.text("Ville_A"), "town");
    QTEST(f.button("Valide_A")->text(), "saveCaption");
    QTEST(offeredTownNames(f.edit("Ville_A")), "townsOffered");
    QTEST(f.focus(), "focus");
    QTEST(f.enabled(), "enabled");
    // Enter on the clear button clears, and the towns go.
    QTest::keyClick(f.button("Efface_A"), Qt::Key_Return);
    QCOMPARE(f.enabled() + u'|' + f.text("Ville_A") + f.text("Ind_A") + f.status(), QStringLiteral("C_Postal_A|"));
    QCOMPARE(offeredTownNames(f.edit("Ville_A")), QStringList {});
    // The towns of a new code go as soon as the code is changed, before its Enter: the town box
    // stays open and would offer them for the other code.
    f.typeAndEnter("C_Postal_A", "45800");
    QVERIFY(!offeredTownNames(f.edit("Ville_A")).isEmpty());
    QTest::keyClick(f.edit("C_Postal_A"), Qt::Key_Backspace);
    QCOMPARE(offeredTownNames(f.edit("Ville_A")), QStringList {});
    QTest::keyClick(f.button("Efface_A"), Qt::Key_Return);
    // The towns of a new code go with the next code too.
    f.typeAndEnter("C_Postal_A", "45200");
    f.edit("C_Postal_A")->setText("00000");
    f.enter("C_Postal_A");
    QCOMPARE(offeredTownNames(f.edit("Ville_A")), QStringList {});
    QCOMPARE(f.log(), kLog);
}

void TestEntryRow::firstInstallationMessageOnEveryKey()
{
    EntryFixture f;
    f.writeLog("FXXXX", kLog);
    f.startActive();
    f.type("C_Postal_A", "2a004");
    QCOMPARE(f.text("C_Postal_A"), QStringLiteral("2a004"));
    f.enter("C_Postal_A");
    // The start-up's message, whose text the main window's tests check, then once per key.
    QCOMPARE(f.shown(), QStringList(7, f.shown().value(0)));
    QCOMPARE(f.enabled() + u'|' + f.status(), QStringLiteral("C_Postal_A|"));
    QCOMPARE(f.listedLines().size(), 0);
}

void TestEntryRow::modeAndBandSettings_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("writes");

    // One write per key, with the list position before the key's character goes in (what is typed
    // is never completed), then one for the Enter that passed.
    QTest::newRow("second mode chosen with the mouse") << "Mode_A" << 1 << "" << QStringList {"1"};
    QTest::newRow("mode typed, not in the list")
        << "Mode_A" << -1 << "olivia" << QStringList {"-1", "-1", "-1", "-1", "-1", "-1", "-1"};
    QTest::newRow("mode typed as in the list") << "Mode_A" << -1 << "fm" << QStringList {"-1", "-1", "2"};
    QTest::newRow("band typed") << "Bande_A" << -1 << "2m" << QStringList {"-1", "-1", "-1"};
}

void TestEntryRow::modeAndBandSettings()
{
    QFETCH(QString, box);
    QFETCH(int, chosen);
    QFETCH(QString, typed);
    QFETCH(QStringList, writes);
    EntryFixture f;
    f.startStation();
    f.typeContact(false);
    const QByteArray name = box.toLatin1();
    if (name == "Bande_A")
        f.enter("Mode_A");
    f.combo(name)->setCurrentIndex(chosen);
    if (chosen < 0)
        f.combo(name)->setEditText(QString());
    f.fake.settings.writes.clear();
    f.typeAndEnter(name, typed);
    for (QString& write : writes)
        write.prepend(name == "Mode_A" ? "Setup F6ABC|Mode Utilise=" : "Setup F6ABC|bande Utilisee=");
    QCOMPARE(f.fake.settings.writes, writes);
}

void TestEntryRow::aContactIsNeverStoredTwice_data()
{
    QTest::addColumn<bool>("afterSave");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QByteArray>("log");

    const QString saving = QString::fromUtf8("Voulez vous enregistrer ces données ?");
    const QString contacted = QString::fromUtf8("C.P. deja contacté avec F1ABC le 12/03/06");
    const QByteArray olivet = record("45200", "01/01/10", "F4BBB", '2', "SSB", "1.8 Mhz", "", "OLIVET");
    const QByteArray typedFirst = record("45300", "12/03/06", "F5XYZ", '2', "SSB", "1.8 Mhz", "", "PITHIVIERS");
    const QByteArray afterOlivet = record("45300", "01/01/10", "F4BBB", '2', "SSB", "1.8 Mhz", "", "PITHIVIERS");
    // The first contact (45200) reaches the save button; the code is then corrected with its Enter.
    QTest::newRow("contacted code after the chain's end: the save button goes")
        << false << "45000" << contacted << QStringList {} << kLog;
    QTest::newRow("new code after the callsign: announced and saved")
        << false << "45300" << "Nouveau Code Postal" << QStringList {saving}
        << logOf({kDfcf, kBourg, kOrleans, kHeld, typedFirst, kParis});
    // The first contact is saved; the next code is typed without its Enter, the chain walked from
    // the town box that stays enabled.
    QTest::newRow("contacted code typed without Enter after a save")
        << true << "45000" << contacted << QStringList {saving}
        << logOf({kDfcf, kBourg, kOrleans, kHeld, olivet, kParis});
    QTest::newRow("new code typed without Enter after a save")
        << true << "45300" << "" << QStringList {saving, saving}
        << logOf({kDfcf, kBourg, kOrleans, kHeld, olivet, afterOlivet, kParis});
}

void TestEntryRow::aContactIsNeverStoredTwice()
{
    QFETCH(bool, afterSave);
    QFETCH(QString, code);
    QFETCH(QString, status);
    QFETCH(QStringList, asked);
    QFETCH(QByteArray, log);
    EntryFixture f;
    f.startStation();
    f.typeContact();
    QCOMPARE(f.focus(), QStringLiteral("Valide_A"));
    if (afterSave) {
        f.edit("Date_A")->setText("01/01/10");
        f.edit("Ind_A")->setText("F4BBB");
        f.answer("Valide_A");
        f.type("C_Postal_A", code);
    } else {
        f.edit("C_Postal_A")->setFocus();
        f.edit("C_Postal_A")->clear();
        f.typeAndEnter("C_Postal_A", code);
    }
    if (f.edit("Ville_A")->isEnabled()) {
        f.typeAndEnter("Ville_A", "PITHIVIERS");
        f.enter("DFCF_A");
        if (f.text("Date_A").isEmpty())
            f.type("Date_A", "01/01/10");
        f.enter("Date_A");
        if (f.text("Ind_A").isEmpty())
            f.type("Ind_A", "F4BBB");
        f.enterFrom("Ind_A");
        if (!afterSave)
            QCOMPARE(f.status(), status);
        f.answer("Valide_A");
    }
    if (afterSave || !f.edit("Ville_A")->isEnabled())
        QCOMPARE(f.status(), status);
    QCOMPARE(f.fake.messages.asked, asked);
    QCOMPARE(f.log(), log);
    // A blocked code leaves only the clear button and the listing to go on with.
    if (!status.startsWith("Nouveau") && !status.isEmpty()) {
        QCOMPARE(f.enabled() + u'|' + f.waiting() + u'|' + f.focus(), QStringLiteral("||Efface_A"));
        f.answer("Valide_A");
        QCOMPARE(f.log(), log);
    }
}

void TestEntryRow::refusedFailedOrDeclinedSave()
{
    EntryFixture f;
    f.startStation();
    f.typeContact();
    // Pasted after its Enter, past the chain: the save refuses it before asking.
    f.edit("Ind_A")->setText(QString::fromUtf8("F6Ā"));
    f.click("Valide_A");
    QVERIFY(f.fake.messages.asked.isEmpty());
    QCOMPARE(f.shown().last(),
        QString::fromUtf8("Le caractère « Ā » ne peut pas être enregistré dans le carnet.\r\n"
                          "Corrigez le champ « Indicatif »."));
    QCOMPARE(f.waiting() + u'|' + f.focus(), QStringLiteral("Ind_A|Ind_A"));
    f.edit("Ind_A")->setText("F5XYZ");

    // The scratch file cannot be created where a folder of that name stands.
    QVERIFY(QDir(f.dir.path()).mkdir("Temporaire.txt"));
    f.answer("Valide_A");
    const QString saveMessage = f.shown().last();
    f.chooseListedLine(kOrleans);
    f.answer("Annule_Saisie");
    const QString cancelMessage = f.shown().last();
    QVERIFY(QDir(f.dir.path()).rmdir("Temporaire.txt"));
    QCOMPARE(f.log(), kLog);
    // The messages name the log left as it was; the reason is the rewrite's.
    const QString logLeft = QString::fromUtf8("\r\nLe carnet F6ABC_CP.txt n'a pas été modifié.");
    QVERIFY2(
        saveMessage.startsWith(QString::fromUtf8("Le contact n'a pas été enregistré.\r\n\r\nImpossible "))
            && saveMessage.endsWith(logLeft),
        qPrintable(saveMessage));
    QVERIFY2(cancelMessage.startsWith(QString::fromUtf8("Le contact n'a pas été effacé.\r\n\r\nImpossible "))
            && cancelMessage.endsWith(logLeft),
        qPrintable(cancelMessage));

    // Everything typed is still there, ready to be saved again.
    f.answer("Valide_A");
    QCOMPARE(f.log(),
        logOf({kDfcf, kBourg, kOrleans, kHeld,
            record("45200", "12/03/06", "F5XYZ", '2', "SSB", "1.8 Mhz", "", "OLIVET"), kParis}));

    // Answered No, the save drops the entry; the total follows a log changed behind its back.
    f.writeLog("F6ABC", logOf({kOrleans}));
    f.typeContact();
    f.answer("Valide_A", false);
    QCOMPARE(f.log(), logOf({kOrleans}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("49512.3"));
    QCOMPARE(f.waiting() + u'|' + f.text("C_Postal_A") + f.text("Ville_A") + f.text("Ind_A"),
        QStringLiteral("C_Postal_A|"));
}

void TestEntryRow::unreadableLogBlocksTheLookUp()
{
    EntryFixture f;
    f.startStation();
    // A folder where the log should be: it exists but cannot be read, even by root.
    QVERIFY(QFile::remove(f.logPath("F6ABC")));
    QVERIFY(QDir(f.dir.path()).mkdir("F6ABC_CP.txt"));
    f.typeAndEnter("C_Postal_A", "45200");
    QVERIFY2(f.shown().last().startsWith(QString::fromUtf8("Le fichier ")
                 + QDir::toNativeSeparators(f.logPath("F6ABC")) + QString::fromUtf8(" ne peut pas être lu")),
        qPrintable(f.shown().last()));
    QCOMPARE(f.status() + u'|' + f.enabled() + u'|' + f.focus(), QStringLiteral("||Efface_A"));
}

void TestEntryRow::modifyAndCancelTheChosenLineOnly()
{
    EntryFixture f;
    f.startStation(logOf({kDfcf, kDfcfOther, kBourg}));
    f.main->Liste_Dpt("00");
    f.chooseListedLine(kDfcfOther);
    f.click("Modi_Saisie");
    QCOMPARE(f.button("Valide_A")->text() + u'|' + f.focus(), QStringLiteral("Enregistrer modifications|Ville_A"));
    // Another line clicked meanwhile does not change which line is being modified.
    f.chooseListedLine(kDfcf);
    f.typeAndEnter("Ville_A", "CHATEAU DE CHAMBORD");
    f.enterFrom("DFCF_A", "QSLE_A");
    f.typeAndEnter("QSLR_A", "X");
    f.answer("Valide_A");
    const QByteArray chambord
        = record("00000", "20/05/07", "F6ZZZ", '4', "CW", "7.0 Mhz", "37001", "CHATEAU DE CHAMBORD");
    QCOMPARE(f.log(), logOf({kDfcf, chambord, kBourg}));

    // Cancelling takes that line alone, and the total follows.
    f.chooseListedLine(chambord);
    f.answer("Annule_Saisie");
    QCOMPARE(f.log(), logOf({kDfcf, kBourg}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("4505.0"));
}

void TestEntryRow::clearingEndsAModification()
{
    EntryFixture f;
    f.startStation();
    // Nothing chosen yet.
    f.click("Modi_Saisie");
    f.click("Annule_Saisie");
    QCOMPARE(f.shown(),
        QStringList({"Cliquez sur une ligne pour la modifier", "Cliquez sur une ligne pour l'annuler"}));

    f.main->Liste_Dpt("45");
    f.chooseListedLine(kOrleans);
    f.click("Modi_Saisie");
    f.click("Efface_A");

    // The next contact is added; the one that was being modified stays. Mode and band keep the
    // texts the modification brought.
    f.typeContact();
    f.answer("Valide_A");
    QCOMPARE(f.log(),
        logOf({kDfcf, kBourg, kOrleans, kHeld,
            record("45200", "12/03/06", "F5XYZ", '2', "SSB", "14 Mhz", "", "OLIVET"), kParis}));

    // Switching to another station ends a modification too: it belongs to the old log.
    f.chooseListedLine(kOrleans);
    f.click("Modi_Saisie");
    f.logbook.setStation("F5ZZZ", "75001");
    QVERIFY(!f.logbook.Modif_En_Cours);
    QVERIFY(f.logbook.Ligne_Choisie.isEmpty());
    QCOMPARE(f.text("Ville_A"), QString());
}

QTEST_MAIN(TestEntryRow)
#include "tst_entryrow.moc"
