#include "MainFixture.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "app/FieldColour.h"
#include "app/StationSettings.h"
#include "entry/EntryRow.h"
#include "postal/TownSuggestions.h"
#include "reports/Listing.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
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
    // Starts the main window on an already set-up station whose log is kLog.
    void startStation(const QString& callsign = QStringLiteral("F6ABC"))
    {
        setStation(callsign, "45000");
        writeLog(callsign, kLog);
        startActive();
    }
    void startActive()
    {
        start();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    QWidget* control(const char* name) const { return main->findChild<QWidget*>(QLatin1String(name)); }
    void type(const char* name, const QString& text) { QTest::keyClicks(control(name), text); }
    void enter(const char* name) { QTest::keyClick(control(name), Qt::Key_Return); }
    void typeAndEnter(const char* name, const QString& text)
    {
        type(name, text);
        enter(name);
    }
    QString text(const char* name) const
    {
        if (auto* box = combo(name))
            return box->currentText();
        return edit(name)->text();
    }
    QString status() const { return main->findChild<QLabel*>("Status_A")->text(); }
    QString caption() const { return main->findChild<QGroupBox*>("L_Communes")->title(); }
    QByteArray log() const { return TestFiles::read(logPath(state.Indicatif_Station)); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // The controls of the row painted light green (one at most).
    QStringList waiting() const
    {
        QStringList names;
        for (const char* name : kRow) {
            if (isMarkedWaiting(control(name)))
                names << QLatin1String(name);
        }
        return names;
    }
    QStringList enabled() const
    {
        QStringList names;
        for (const char* name : kRow) {
            if (control(name)->isEnabled())
                names << QLatin1String(name);
        }
        return names;
    }
    QString focus() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-";
    }

    // A user's click on a listed line.
    void chooseListedLine(const QString& line)
    {
        const QList<QListWidgetItem*> found = listing()->findItems(line, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(line));
        listing()->scrollToItem(found.first());
        QTest::mouseClick(
            listing()->viewport(), Qt::LeftButton, {}, listing()->visualItemRect(found.first()).center());
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

    // Types a new contact up to the save button.
    void typeContact(const QString& code, const QString& town)
    {
        typeAndEnter("C_Postal_A", code);
        typeAndEnter("Ville_A", town);
        enter("DFCF_A");
        typeAndEnter("Date_A", "12/03/06");
        typeAndEnter("Ind_A", "f5xyz");
        enterFrom("Mode_A");
    }

    // A click on the save button, answered Yes or No.
    void save(bool yes = true)
    {
        fake.messages.setNextAnswer(yes);
        click("Valide_A");
    }

    QStringList settingWrites(const QString& key) const
    {
        QStringList values;
        const QString prefix = StationSettings::stationSection(state.Indicatif_Station) + u'|' + key + u'=';
        for (const QString& write : fake.settings.writes) {
            if (write.startsWith(prefix))
                values << write.mid(prefix.size());
        }
        return values;
    }
};

} // namespace

class TestEntryRow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roadOfAContact();
    void capitalsOnlyForTypedKeys();
    void enterMovesTheHighlightAlong();
    void refusedEnterChangesNothing();
    void zerosSkipTheLookUp();
    void contactedCodeBlocksTheEntry();
    void heldCodeTakesItsContact();
    void newPostalCodeIsAnnounced();
    void firstInstallationMessageOnEveryKey();
    void modeAndBandSettings_data();
    void modeAndBandSettings();
    void answeringNoDropsTheEntry();
    void failedSaveKeepsTheEntry();
    void unstorableCharacterIsRefused();
    void saveReplacesTheLineChosenForTheModification();
    void cancelDeletesTheChosenLineOnly();
    void refusalsOfModifyAndCancel();
    void clearingEndsAModification();
};

void TestEntryRow::roadOfAContact()
{
    EntryFixture f;
    TestFiles::write(QDir(f.dir.path()).filePath("FXXXX_CP.txt"), kLog);
    f.startActive();
    f.fake.messages.shown.clear();

    // The station: F6ABC at 45000, its log a copy of the template.
    f.main->findChild<QAction*>("Mnu_New_Indicatif")->trigger();
    auto* station = f.main->findChild<QWidget*>("Station");
    QVERIFY(station);
    QTest::keyClicks(station->findChild<QLineEdit*>("New_Indicatif"), "f6abc");
    QTest::keyClick(station->findChild<QLineEdit*>("New_Indicatif"), Qt::Key_Return);
    QTest::keyClicks(station->findChild<QLineEdit*>("New_CP"), "45000");
    QTest::keyClick(station->findChild<QLineEdit*>("New_CP"), Qt::Key_Return);
    QTest::keyClick(station->findChild<QPushButton*>("Validation"), Qt::Key_Return);
    QVERIFY(!station->isVisible());
    QCOMPARE(f.log(), kLog);
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("54017.3"));

    // A contact typed box by box.
    f.typeAndEnter("C_Postal_A", "45430");
    QCOMPARE(
        f.fake.messages.shown, QStringList {QString::fromUtf8("Le Code Postal 45430 n'a pas été contacté")});
    QCOMPARE(f.status(), QStringLiteral("Nouveau Code Postal"));
    QCOMPARE(f.listedLines(), (QStringList {listingLine(kOrleans), listingLine(kHeld)}));
    f.typeAndEnter("Ville_A", QString::fromUtf8("chÉcy"));
    f.enter("DFCF_A");
    f.typeAndEnter("Date_A", "12/03/06");
    f.typeAndEnter("Ind_A", "f5xyz/p");
    f.combo("Mode_A")->setCurrentIndex(1); // chosen with the mouse
    f.enter("Mode_A");
    f.combo("Bande_A")->setCurrentIndex(4);
    f.enter("Bande_A");
    f.enter("QSLE_A");
    f.typeAndEnter("QSLR_A", "x");
    QCOMPARE(f.focus(), QStringLiteral("Valide_A"));
    QCOMPARE(f.button("Valide_A")->text(), QStringLiteral("Enregistrer C.P."));

    f.fake.messages.setNextAnswer(true);
    QTest::keyClick(f.button("Valide_A"), Qt::Key_Return);
    QCOMPARE(f.fake.messages.asked, QStringList {QString::fromUtf8("Voulez vous enregistrer ces données ?")});
    const QByteArray saved = "45430 12/03/06 F5XYZ/P      4 CW     14 Mhz       CH\xc9"
                             "CY";
    QCOMPARE(f.log(), logOf({kDfcf, kBourg, kOrleans, kHeld, saved, kParis}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("99447.3"));
    QCOMPARE(f.listedLines(), (QStringList {listingLine(kOrleans), listingLine(kHeld), listingLine(saved)}));
    QCOMPARE(f.listing()->currentRow(), 2);
    QCOMPARE(f.state.Ligne_Choisie, listingLine(saved));
    QCOMPARE(f.fake.settings.value("Setup F6ABC", "Mode Utilise"), QStringLiteral("1"));
    QCOMPARE(f.fake.settings.value("Setup F6ABC", "bande Utilisee"), QStringLiteral("4"));
    // The row waits for the next postal code, with the same mode and band.
    QCOMPARE(f.waiting(), QStringList {"C_Postal_A"});
    QCOMPARE(f.enabled(), (QStringList {"C_Postal_A", "Ville_A"}));
    QCOMPARE(f.text("C_Postal_A") + f.text("Ville_A") + f.text("Date_A") + f.text("Ind_A") + f.status(),
        QString());
    QCOMPARE(f.text("QSLE_A"), QStringLiteral("X"));
    QCOMPARE(f.text("Mode_A") + u'|' + f.text("Bande_A"), QStringLiteral("CW|14 Mhz"));

    // Back into the boxes: the callsign was a mistake and the card has not come.
    f.chooseListedLine(listingLine(saved));
    f.click("Modi_Saisie");
    QCOMPARE(f.text("Ville_A"), QString::fromUtf8("CHÉCY"));
    QCOMPARE(f.text("Ind_A"), QStringLiteral("F5XYZ/P"));
    QCOMPARE(f.text("Mode_A"), QStringLiteral("CW    "));
    QCOMPARE(f.text("QSLR_A"), QStringLiteral("X"));
    QCOMPARE(f.button("Valide_A")->text(), QStringLiteral("Enregistrer modifications"));
    QCOMPARE(f.focus(), QStringLiteral("Ville_A"));
    f.enter("Ville_A");
    f.enter("DFCF_A");
    f.enter("Date_A");
    f.edit("Ind_A")->clear();
    f.typeAndEnter("Ind_A", "f5xyz");
    f.enter("Mode_A");
    f.enter("Bande_A");
    f.enter("QSLE_A");
    f.edit("QSLR_A")->clear();
    f.enter("QSLR_A");
    f.save();
    const QByteArray modified = "45430 12/03/06 F5XYZ        2 CW     14 Mhz       CH\xc9"
                                "CY";
    QCOMPARE(f.log(), logOf({kDfcf, kBourg, kOrleans, kHeld, modified, kParis}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("54017.3"));
    QVERIFY(!f.state.Modif_En_Cours);
    QCOMPARE(f.state.Ligne_Choisie, listingLine(modified));

    // And out of the log again.
    f.fake.messages.setNextAnswer(true);
    f.click("Annule_Saisie");
    QCOMPARE(
        f.fake.messages.asked.last(), QString::fromUtf8("Voulez vous effacer le Code Postal N° 45430 ?"));
    QCOMPARE(f.log(), kLog);
    QCOMPARE(f.listedLines(), (QStringList {listingLine(kOrleans), listingLine(kHeld)}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("54017.3"));
    QCOMPARE(f.fake.messages.shown.size(), 1);
    QVERIFY(!QFileInfo::exists(QDir(f.dir.path()).filePath("Temporaire.txt")));
}

void TestEntryRow::capitalsOnlyForTypedKeys()
{
    EntryFixture f;
    f.startStation();
    f.type("C_Postal_A", "2a004");
    QCOMPARE(f.text("C_Postal_A"), QStringLiteral("2A004"));
    f.enter("C_Postal_A");
    QCOMPARE(
        f.fake.messages.shown, QStringList {QString::fromUtf8("Le Code Postal 2A004 n'a pas été contacté")});

    f.type("Ville_A", QString::fromUtf8("bastia -/"));
    // An accented letter goes in as typed.
    QKeyEvent eAcute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"));
    QApplication::sendEvent(f.control("Ville_A"), &eAcute);
    QCOMPARE(f.text("Ville_A"), QString::fromUtf8("BASTIA -/é"));
    f.enter("Ville_A");
    f.enter("DFCF_A");
    f.typeAndEnter("Date_A", "01/02/07");
    f.typeAndEnter("Ind_A", "tk5xy");
    QCOMPARE(f.text("Ind_A"), QStringLiteral("TK5XY"));
    f.combo("Mode_A")->setEditText(QString());
    f.type("Mode_A", "rtty");
    QCOMPARE(f.text("Mode_A"), QStringLiteral("RTTY"));

    // Pasted text is taken as it is: a pasted small x is not the mark.
    f.enter("Mode_A");
    f.enter("Bande_A");
    f.edit("QSLE_A")->clear();
    f.edit("QSLE_A")->insert("x");
    f.enter("QSLE_A");
    QCOMPARE(f.fake.messages.shown.last(), QStringLiteral("Caractere X seuleument"));
    QCOMPARE(f.focus(), QStringLiteral("QSLE_A"));
    f.edit("QSLE_A")->clear();
    f.type("QSLE_A", "x");
    QCOMPARE(f.text("QSLE_A"), QStringLiteral("X"));
}

void TestEntryRow::enterMovesTheHighlightAlong()
{
    EntryFixture f;
    f.startStation();
    QCOMPARE(f.waiting(), QStringList {"C_Postal_A"});
    QCOMPARE(f.enabled(), QStringList {"C_Postal_A"});

    struct Step
    {
        const char* field;
        const char* text;
        const char* next;
        QStringList enabled;
    };
    const Step steps[] = {
        {"C_Postal_A", "45200", "Ville_A", {"C_Postal_A", "Ville_A", "Date_A"}},
        {"Ville_A", "OLIVET", "DFCF_A", {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A"}},
        {"DFCF_A", "45001", "Date_A", {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A"}},
        {"Date_A", "31/02/07", "Ind_A", {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A", "Ind_A"}},
        {"Ind_A", "F1ABCDEFGHIJ", "Mode_A", {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A", "Ind_A", "Mode_A"}},
        {"Mode_A", "", "Bande_A",
            {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A", "Ind_A", "Mode_A", "Bande_A"}},
        {"Bande_A", "", "QSLE_A",
            {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A", "Ind_A", "Mode_A", "Bande_A", "QSLE_A"}},
        {"QSLE_A", "", "QSLR_A",
            {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A", "Ind_A", "Mode_A", "Bande_A", "QSLE_A", "QSLR_A"}},
        {"QSLR_A", "", "Valide_A",
            {"C_Postal_A", "Ville_A", "DFCF_A", "Date_A", "Ind_A", "Mode_A", "Bande_A", "QSLE_A", "QSLR_A",
                "Valide_A"}},
    };
    for (const Step& step : steps) {
        f.typeAndEnter(step.field, QString::fromUtf8(step.text));
        QCOMPARE(f.waiting(), QStringList {step.next});
        QCOMPARE(f.focus(), QString::fromLatin1(step.next));
        QCOMPARE(f.enabled(), step.enabled);
    }
    QCOMPARE(f.fake.messages.shown.size(), 1); // the look-up's only

    // Back to an earlier box with the mouse: the chain goes on from there.
    f.edit("Ville_A")->setFocus();
    f.enter("Ville_A");
    QCOMPARE(f.waiting(), QStringList {"DFCF_A"});
    QCOMPARE(f.focus(), QStringLiteral("DFCF_A"));
}

void TestEntryRow::refusedEnterChangesNothing()
{
    EntryFixture f;
    f.startStation();
    f.typeAndEnter("C_Postal_A", "4520");
    QCOMPARE(f.fake.messages.shown, QStringList {"Format du Code Postal 5 chiffres"});
    QCOMPARE(f.waiting(), QStringList {"C_Postal_A"});
    QCOMPARE(f.enabled(), QStringList {"C_Postal_A"});
    QCOMPARE(f.text("C_Postal_A"), QStringLiteral("4520"));

    f.typeAndEnter("C_Postal_A", "0");
    f.typeAndEnter("Ville_A", "OLIVET");
    f.typeAndEnter("DFCF_A", "1234");
    QCOMPARE(f.fake.messages.shown.last(), QString::fromUtf8("5 chiffres pour le N° du Chateau"));
    QCOMPARE(f.waiting(), QStringList {"DFCF_A"});
    QCOMPARE(f.focus(), QStringLiteral("DFCF_A"));
    QCOMPARE(f.text("DFCF_A"), QStringLiteral("1234"));
}

void TestEntryRow::zerosSkipTheLookUp()
{
    EntryFixture f;
    f.startStation();
    f.main->Liste_Dpt("75");
    const QString caption = f.caption();
    f.main->findChild<QLabel*>("Status_A")->setText("avant");
    f.typeAndEnter("C_Postal_A", "00000");
    QVERIFY(f.fake.messages.shown.isEmpty());
    QCOMPARE(f.listedLines(), QStringList {listingLine(kParis)});
    QCOMPARE(f.caption(), caption);
    QCOMPARE(f.status(), QStringLiteral("avant"));
    QCOMPARE(f.button("Valide_A")->text(), QString());
    QCOMPARE(f.focus(), QStringLiteral("Ville_A"));
}

void TestEntryRow::contactedCodeBlocksTheEntry()
{
    EntryFixture f;
    f.startStation();
    f.typeAndEnter("C_Postal_A", "45000");
    QVERIFY(f.fake.messages.shown.isEmpty());
    QCOMPARE(f.status(), QStringLiteral("C.P. deja contacté avec F1ABC le 12/03/06"));
    QCOMPARE(f.text("Ville_A") + u'|' + f.text("DFCF_A") + u'|' + f.text("Date_A") + u'|' + f.text("Ind_A")
            + u'|' + f.text("Mode_A") + u'|' + f.text("Bande_A") + u'|' + f.text("QSLE_A") + u'|'
            + f.text("QSLR_A"),
        QString::fromUtf8("ORLÉANS|45123|12/03/06|F1ABC|SSB|14 Mhz|X|X"));
    QCOMPARE(f.enabled(), QStringList {});
    QCOMPARE(f.waiting(), QStringList {});
    QCOMPARE(f.focus(), QStringLiteral("Efface_A"));
    QCOMPARE(f.caption(), QStringLiteral("Communes du Departement 45"));

    // Enter on the clear button clears.
    QTest::keyClick(f.button("Efface_A"), Qt::Key_Return);
    QCOMPARE(f.enabled(), QStringList {"C_Postal_A"});
    QCOMPARE(f.waiting(), QStringList {"C_Postal_A"});
    QCOMPARE(f.text("Ville_A") + f.text("Date_A") + f.text("Ind_A") + f.status(), QString());
    QCOMPARE(f.log(), kLog);
}

void TestEntryRow::heldCodeTakesItsContact()
{
    EntryFixture f;
    f.startStation();
    f.typeAndEnter("C_Postal_A", "45100");
    QVERIFY(f.fake.messages.shown.isEmpty());
    QCOMPARE(f.status(), QStringLiteral("Nouveau Canton"));
    QCOMPARE(f.button("Valide_A")->text(), QStringLiteral("Enregistrer Canton"));
    QCOMPARE(f.text("Ville_A"), QString::fromUtf8("ORLÉANS LA SOURCE"));
    QCOMPARE(f.focus(), QStringLiteral("Ville_A"));
    f.enter("Ville_A");
    f.enter("DFCF_A");
    f.typeAndEnter("Date_A", "02/02/10");
    f.typeAndEnter("Ind_A", "F6CCC");
    f.enterFrom("Mode_A");
    f.save();
    QCOMPARE(f.log(),
        logOf({kDfcf, kBourg, kOrleans, kHeld,
            record("45100", "02/02/10", "F6CCC", '2', "SSB", "1.8 Mhz", "", "ORLÉANS LA SOURCE"), kParis}));
}

void TestEntryRow::newPostalCodeIsAnnounced()
{
    EntryFixture f;
    f.startStation();
    QSignalSpy announced(&f.main->entryRow(), &EntryRow::nouveauCodePostal);
    f.typeAndEnter("C_Postal_A", "45000"); // contacted
    f.click("Efface_A");
    f.typeAndEnter("C_Postal_A", "45100"); // held
    f.click("Efface_A");
    f.typeAndEnter("C_Postal_A", "00000"); // no look-up
    f.click("Efface_A");
    QCOMPARE(announced.count(), 0);
    f.typeAndEnter("C_Postal_A", "45200");
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.first().first().toString(), QStringLiteral("45200"));

    // The communes of that code are offered under the town; they go with the next code.
    QCOMPARE(offeredTownNames(f.edit("Ville_A")), (QStringList {"AMILLY", "MONTARGIS", "PAUCOURT"}));
    QCOMPARE(f.text("Ville_A"), QString());
    f.click("Efface_A");
    QCOMPARE(offeredTownNames(f.edit("Ville_A")), QStringList {});
    f.typeAndEnter("C_Postal_A", "45800");
    QCOMPARE(offeredTownNames(f.edit("Ville_A")), (QStringList {"COMBLEUX", "SAINT-JEAN-DE-BRAYE"}));
    f.edit("C_Postal_A")->setText("00000");
    f.enter("C_Postal_A");
    QCOMPARE(offeredTownNames(f.edit("Ville_A")), QStringList {});
}

void TestEntryRow::firstInstallationMessageOnEveryKey()
{
    EntryFixture f;
    f.writeLog("FXXXX", kLog);
    f.startActive();
    f.fake.messages.shown.clear();
    f.type("C_Postal_A", "2a");
    QCOMPARE(f.text("C_Postal_A"), QStringLiteral("2a"));
    QCOMPARE(f.fake.messages.shown.size(), 2);
    f.type("C_Postal_A", "004");
    f.enter("C_Postal_A");
    const QString message = QString::fromUtf8(
        "\r\n  Premiere installation, vous devez entrer votre Indicatif et votre N° de Code Postal\r\n\r\n"
        "    Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
    QCOMPARE(f.fake.messages.shown, QStringList(6, message));
    QCOMPARE(f.enabled(), QStringList {"C_Postal_A"});
    QCOMPARE(f.status(), QString());
    QCOMPARE(f.listing()->count(), 0);
}

void TestEntryRow::modeAndBandSettings_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("writes");

    // One write per key, with the list position before the key's character goes in, then one for
    // the Enter that passed.
    QTest::newRow("second mode chosen with the mouse") << "Mode_A" << 1 << "" << QStringList {"1"};
    QTest::newRow("mode typed, not in the list")
        << "Mode_A" << -1 << "olivia" << QStringList {"-1", "-1", "-1", "-1", "-1", "-1", "-1"};
    QTest::newRow("mode typed as in the list") << "Mode_A" << -1 << "fm" << QStringList {"-1", "-1", "2"};
    QTest::newRow("no completion: what is typed stays") << "Mode_A" << -1 << "f" << QStringList {"-1", "-1"};
    QTest::newRow("key after a choice") << "Mode_A" << 3 << "x" << QStringList {"3", "-1"};
    QTest::newRow("band chosen") << "Bande_A" << 10 << "" << QStringList {"10"};
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
    f.typeAndEnter("C_Postal_A", "45200");
    f.typeAndEnter("Ville_A", "OLIVET");
    f.enter("DFCF_A");
    f.typeAndEnter("Date_A", "01/01/10");
    f.typeAndEnter("Ind_A", "F6CCC");
    if (box == QLatin1String("Bande_A"))
        f.enter("Mode_A");
    QComboBox* combo = f.combo(box.toLatin1().constData());
    combo->setCurrentIndex(chosen);
    if (chosen < 0)
        combo->setEditText(QString());
    f.fake.settings.writes.clear();
    f.typeAndEnter(box.toLatin1().constData(), typed);
    const QString key = box == QLatin1String("Mode_A") ? "Mode Utilise" : "bande Utilisee";
    QCOMPARE(f.settingWrites(key), writes);
    QCOMPARE(f.fake.settings.writes.size(), writes.size());
}

void TestEntryRow::answeringNoDropsTheEntry()
{
    EntryFixture f;
    f.startStation();
    f.writeLog("F6ABC", logOf({kOrleans})); // changed behind the window's back: the total follows
    f.typeContact("45200", "OLIVET");
    f.save(false);
    QCOMPARE(f.log(), logOf({kOrleans}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("49512.3"));
    QCOMPARE(f.text("C_Postal_A") + f.text("Ville_A") + f.text("Ind_A"), QString());
    QCOMPARE(f.waiting(), QStringList {"C_Postal_A"});
    QVERIFY(!f.state.Modif_En_Cours);
}

void TestEntryRow::failedSaveKeepsTheEntry()
{
    EntryFixture f;
    f.startStation();
    f.typeContact("45200", "OLIVET");
    QVERIFY(QDir(f.dir.path()).mkdir("Temporaire.txt"));
    f.save();
    QVERIFY(QDir(f.dir.path()).rmdir("Temporaire.txt"));

    QCOMPARE(f.log(), kLog);
    const QString message = f.fake.messages.shown.last();
    QVERIFY2(message.startsWith(
                 QString::fromUtf8("Le contact n'a pas été enregistré.\r\n\r\nImpossible de créer le "
                                   "fichier ")
                 + QDir::toNativeSeparators(QDir(f.dir.path()).filePath("Temporaire.txt"))),
        qPrintable(message));
    QVERIFY(message.endsWith(QString::fromUtf8(".\r\nLe carnet F6ABC_CP.txt n'a pas été modifié.")));
    // Everything typed is still there, ready to be saved again.
    QCOMPARE(f.text("C_Postal_A") + u'|' + f.text("Ville_A") + u'|' + f.text("Ind_A"),
        QStringLiteral("45200|OLIVET|F5XYZ"));
    QVERIFY(f.button("Valide_A")->isEnabled());
    f.save();
    QCOMPARE(f.log(),
        logOf({kDfcf, kBourg, kOrleans, kHeld,
            record("45200", "12/03/06", "F5XYZ", '2', "SSB", "1.8 Mhz", "", "OLIVET"), kParis}));
}

void TestEntryRow::unstorableCharacterIsRefused()
{
    EntryFixture f;
    f.startStation();
    f.typeAndEnter("C_Postal_A", "45200");
    f.edit("Ville_A")->insert(QString::fromUtf8("ŁÓDŹ"));
    f.enter("Ville_A");
    QCOMPARE(f.fake.messages.shown.last(),
        QString::fromUtf8("Le caractère « Ł » ne peut pas être enregistré dans le carnet.\r\n"
                          "Corrigez le champ « Nom de la Commune »."));
    QCOMPARE(f.focus(), QStringLiteral("Ville_A"));
    QVERIFY(!f.edit("DFCF_A")->isEnabled());

    // Pasted after its Enter, past the chain: the save refuses it before asking.
    f.edit("Ville_A")->setText("OLIVET");
    f.enter("Ville_A");
    f.enter("DFCF_A");
    f.typeAndEnter("Date_A", "01/01/10");
    f.typeAndEnter("Ind_A", "F6CCC");
    f.enterFrom("Mode_A");
    f.edit("Ind_A")->setText(QString::fromUtf8("F6Ā"));
    f.click("Valide_A");
    QVERIFY(f.fake.messages.asked.isEmpty());
    QCOMPARE(f.fake.messages.shown.last(),
        QString::fromUtf8("Le caractère « Ā » ne peut pas être enregistré dans le carnet.\r\n"
                          "Corrigez le champ « Indicatif »."));
    QCOMPARE(f.focus(), QStringLiteral("Ind_A"));
    QCOMPARE(f.log(), kLog);
}

void TestEntryRow::saveReplacesTheLineChosenForTheModification()
{
    EntryFixture f;
    f.startStation();
    f.writeLog("F6ABC", logOf({kDfcf, kDfcfOther, kBourg}));
    f.main->Liste_Dpt("00");
    f.chooseListedLine(listingLine(kDfcfOther));
    f.click("Modi_Saisie");
    // Another line clicked meanwhile does not change which line is being modified.
    f.chooseListedLine(listingLine(kDfcf));
    f.enter("Ville_A");
    QCOMPARE(f.fake.messages.shown.last(), QStringLiteral("Entrez un nom de Commune"));
    f.typeAndEnter("Ville_A", "CHATEAU DE CHAMBORD");
    f.enterFrom("DFCF_A", "QSLE_A");
    f.typeAndEnter("QSLR_A", "X");
    f.save();
    QCOMPARE(f.log(),
        logOf({kDfcf,
            record("00000", "20/05/07", "F6ZZZ", '4', "CW", "7.0 Mhz", "37001", "CHATEAU DE CHAMBORD"),
            kBourg}));

    // A changed postal code moves the contact to its place.
    f.chooseListedLine(listingLine(kDfcf));
    f.click("Modi_Saisie");
    f.edit("C_Postal_A")->setText("45001");
    f.typeAndEnter("Ville_A", "ORLEANS");
    f.enterFrom("DFCF_A");
    f.save();
    QCOMPARE(f.log(),
        logOf({record("00000", "20/05/07", "F6ZZZ", '4', "CW", "7.0 Mhz", "37001", "CHATEAU DE CHAMBORD"),
            kBourg, record("45001", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45050", "ORLEANS")}));
    QCOMPARE(f.listedLines(),
        QStringList {
            listingLine(record("45001", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45050", "ORLEANS"))});
}

void TestEntryRow::cancelDeletesTheChosenLineOnly()
{
    EntryFixture f;
    f.startStation();
    f.writeLog("F6ABC", logOf({kDfcf, kDfcfOther, kBourg}));
    f.main->Liste_Dpt("00");
    f.chooseListedLine(listingLine(kDfcfOther));

    f.fake.messages.setNextAnswer(false);
    f.click("Annule_Saisie");
    QCOMPARE(f.log(), logOf({kDfcf, kDfcfOther, kBourg}));

    f.fake.messages.setNextAnswer(true);
    f.click("Annule_Saisie");
    QCOMPARE(f.fake.messages.asked,
        QStringList(2, QString::fromUtf8("Voulez vous effacer le Code Postal N° 00000 ?")));
    QCOMPARE(f.log(), logOf({kDfcf, kBourg}));
    QCOMPARE(f.listedLines(), QStringList {listingLine(kDfcf)});
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("4505.0"));
    QCOMPARE(f.state.Ligne_Choisie, listingLine(kDfcfOther));

    // A failed deletion says so and deletes nothing.
    f.chooseListedLine(listingLine(kDfcf));
    QVERIFY(QDir(f.dir.path()).mkdir("Temporaire.txt"));
    f.fake.messages.setNextAnswer(true);
    f.click("Annule_Saisie");
    QVERIFY(QDir(f.dir.path()).rmdir("Temporaire.txt"));
    QVERIFY(
        f.fake.messages.shown.last().startsWith(QString::fromUtf8("Le contact n'a pas été effacé.\r\n\r\n")));
    QCOMPARE(f.log(), logOf({kDfcf, kBourg}));
}

void TestEntryRow::refusalsOfModifyAndCancel()
{
    EntryFixture f;
    f.startStation();
    f.click("Modi_Saisie");
    f.click("Annule_Saisie");
    f.main->Liste_Dpt("45");
    f.chooseListedLine(listingLine(kHeld));
    f.click("Modi_Saisie");
    f.click("Annule_Saisie");
    QCOMPARE(f.fake.messages.shown,
        QStringList({"Cliquez sur une ligne pour la modifier", "Cliquez sur une ligne pour l'annuler",
            QString::fromUtf8("Il n'y a pas de données a modifier"),
            QString::fromUtf8("Il n'y a pas de données a annuler")}));
    QVERIFY(f.fake.messages.asked.isEmpty());
    QVERIFY(!f.state.Modif_En_Cours);
    QCOMPARE(f.log(), kLog);
}

void TestEntryRow::clearingEndsAModification()
{
    EntryFixture f;
    f.startStation();
    f.main->Liste_Dpt("45");
    f.chooseListedLine(listingLine(kOrleans));
    f.click("Modi_Saisie");
    QVERIFY(f.state.Modif_En_Cours);
    f.click("Efface_A");
    QVERIFY(!f.state.Modif_En_Cours);
    QCOMPARE(f.enabled(), QStringList {"C_Postal_A"});

    // The next contact is added; the one that was being modified stays. Mode and band keep the
    // texts the modification brought.
    f.typeContact("45200", "OLIVET");
    f.save();
    QCOMPARE(f.log(),
        logOf({kDfcf, kBourg, kOrleans, kHeld,
            record("45200", "12/03/06", "F5XYZ", '2', "SSB", "14 Mhz", "", "OLIVET"), kParis}));

    // Switching to another station ends a modification too: it belongs to the old log.
    f.chooseListedLine(listingLine(kOrleans));
    f.click("Modi_Saisie");
    f.main->switchStation("F5ZZZ", "75001");
    QVERIFY(!f.state.Modif_En_Cours);
    QVERIFY(f.state.Ligne_Choisie.isEmpty());
    QCOMPARE(f.text("Ville_A"), QString());
}

QTEST_MAIN(TestEntryRow)
#include "tst_entryrow.moc"
