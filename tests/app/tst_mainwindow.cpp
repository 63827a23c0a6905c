#include "MainFixture.h"
#include "TestFiles.h"
#include "app/ProgramIcon.h"
#include "app/StationSettings.h"
#include "platform/QtMessages.h"
#include "reports/Listing.h"
#include "reports/ListingPanel.h"
#include "reports/SummaryWindow.h"
#include "widgets/FirstPaint.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using TestFiles::record;

namespace {

const QString kFirstInstallation = QString::fromUtf8(
    "\r\n  Premiere installation, vous devez entrer votre Indicatif et votre N° de Code Postal\r\n\r\n"
    "    Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");

QString searchProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("CodePostal.exe");
#else
    return QStringLiteral("CodePostal");
#endif
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpOnEmptySettings();
    void storedStation_data();
    void storedStation();
    void totalAndListingOfTheStationLog();
    void entryFieldsAreBuddiesOfTheirHeads();
    void helpMenuAndSearchProgram();
    void quitClosesEveryWindow();
    void realMessageBoxSpeaksFrench();
    void programIconHandsOutItsImages_data();
    void programIconHandsOutItsImages();
    void workAfterTheFirstPaintRunsOnce();
    void listingShowsWhatItSelects();
    void f10OpensTheMenus();
    void enterAfterHoveringTheMenuBarStaysInTheEntryRow();
    void windowsStayWithinASmallScreen_data();
    void windowsStayWithinASmallScreen();
};

void TestMainWindow::startUpOnEmptySettings()
{
    MainFixture f;
    MainWindow& main = f.start();

    QCOMPARE(main.windowTitle(), QStringLiteral("  Kerlanic    Revision  1.1.0"));
    QCOMPARE(f.label("I_Station") + u' ' + f.label("C_Station"), QStringLiteral("FXXXX XXXX"));
    QCOMPARE(f.combo("Bande_A")->currentText() + u' ' + f.combo("Mode_A")->currentText(),
        QStringLiteral("1.8 Mhz SSB"));
    QCOMPARE(f.edit("QSLE_A")->text(), QStringLiteral("X"));
    QCOMPARE(f.fake.messages.shown, QStringList {kFirstInstallation});

    // The settings written, in the order of the start-up sequence.
    QCOMPARE(f.fake.settings.writes,
        (QStringList {"Setup |Chemin Repertoire=" + QDir::toNativeSeparators(f.dir.path()),
            "Setup |Adresse DFCF=http://www.diplomes-quelvar.fr", "Setup FXXXX|Revision= 1.1.0"}));

    // Which boxes of the entry row wait and take keys is checked by the entry row's tests.
    QVERIFY(f.button("Valide_A")->text().isEmpty());
}

void TestMainWindow::storedStation_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("used");
    QTest::addColumn<QString>("bandShown");
    QTest::addColumn<QString>("modeShown");

    QTest::newRow("band and mode of the station") << "F6ABC" << "10" << "3" << "F6ABC" << "144 Mhz" << "PSK31";
    QTest::newRow("last entries of the lists") << "F6ABC" << "16" << "1" << "F6ABC" << "24 Ghz" << "CW";
    QTest::newRow("nothing selected") << "F6ABC" << "-1" << "-1" << "F6ABC" << "" << "";
    QTest::newRow("past the lists: first entries") << "F6ABC" << "17" << "4" << "F6ABC" << "1.8 Mhz" << "SSB";
    QTest::newRow("not a number") << "F6ABC" << "abc" << "" << "F6ABC" << "1.8 Mhz" << "SSB";
    QTest::newRow("portable call kept with its _") << "FXXXX_P" << "0" << "0" << "FXXXX_P" << "1.8 Mhz" << "SSB";
    // A setting that could not name a file is never used as one.
    QTest::newRow("path") << "../../etc/passwd" << "0" << "0" << "FXXXX" << "1.8 Mhz" << "SSB";
    QTest::newRow("slash") << "F6ABC/P" << "0" << "0" << "FXXXX" << "1.8 Mhz" << "SSB";
    QTest::newRow("small letters") << "f6abc" << "0" << "0" << "FXXXX" << "1.8 Mhz" << "SSB";
    QTest::newRow("13 characters") << "F1ABCDEFGHIJK" << "0" << "0" << "FXXXX" << "1.8 Mhz" << "SSB";
    QTest::newRow("empty") << "" << "0" << "0" << "FXXXX" << "1.8 Mhz" << "SSB";
}

void TestMainWindow::storedStation()
{
    QFETCH(QString, stored);
    QFETCH(QString, band);
    QFETCH(QString, mode);
    QFETCH(QString, used);
    MainFixture f;
    f.setStation(stored, "45000");
    f.fake.settings.write(StationSettings::stationSection(stored), StationSettings::kBandeUtilisee, band);
    f.fake.settings.write(StationSettings::stationSection(stored), StationSettings::kModeUtilise, mode);
    f.start();
    QCOMPARE(f.logbook.stationLog().path(), f.logPath(used));
    QCOMPARE(f.label("I_Station"), used); // shown as stored, "_" kept
    QTEST(f.combo("Bande_A")->currentText(), "bandShown");
    QTEST(f.combo("Mode_A")->currentText(), "modeShown");
    // The station's log is missing: an empty log, said nowhere; first installation said only.
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("0.0"));
    QTest::mouseClick(f.button("Affiche_All"), Qt::LeftButton);
    QCOMPARE(f.listedLines().size(), 0);
    QCOMPARE(f.fake.messages.shown.size(), used == "FXXXX" ? 1 : 0);
}

void TestMainWindow::totalAndListingOfTheStationLog()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    const QList<QByteArray> records {
        record("00000", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45050", ""),
        record("2A004", "03/04/08", "TK5XY", '3', "SSB", "14 Mhz", "", "AJACCIO"),
        record("45000", "12/03/06", "F1ABCDEFGHIJ", '4', "SSB", "14 Mhz", "45055", "ORLÉANS"),
        record("45100", "", "", '0', "", "", "", "ORLEANS LA SOURCE")};
    f.writeLog("F6ABC", TestFiles::logOf(records));
    f.start();
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("74014.5")); // 4505 + 20004 + 49505.5
    QCOMPARE(f.listedLines().size(), 0); // the listing waits until asked

    QTest::mouseClick(f.button("Affiche_All"), Qt::LeftButton);
    QStringList expected;
    for (const QByteArray& r : records)
        expected << listingLine(r);
    QCOMPARE(f.listedLines(), expected);
    QVERIFY(f.edit("C_Postal_A")->isEnabled());
}

void TestMainWindow::entryFieldsAreBuddiesOfTheirHeads()
{
    MainFixture f;
    MainWindow& main = f.start();
    QStringList buddies;
    for (const QLabel* label : main.findChildren<QLabel*>()) {
        if (label->buddy())
            buddies << label->buddy()->objectName();
    }
    buddies.sort();
    QCOMPARE(buddies,
        (QStringList {"Bande_A", "C_Postal_A", "DFCF_A", "Date_A", "Ind_A", "Mode_A", "QSLE_A", "QSLR_A",
            "Tot_Points", "Ville_A"}));
}

void TestMainWindow::helpMenuAndSearchProgram()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    MainWindow& main = f.start();
    const QString folder = QDir::toNativeSeparators(f.dir.path());
    FakeMessages& shown = f.fake.messages;

    main.findChild<QAction*>("Mnu_Historique")->trigger();
    // Eleven versions, each line ended by CR LF.
    QCOMPARE(shown.shown.takeLast().split(QStringLiteral("\r\n")).size(), 12);
    main.findChild<QAction*>("Mnu_Apropos")->trigger();
    QVERIFY(shown.shown.takeLast().startsWith(QStringLiteral("Kerlanic  Revision  1.1.0\r\n\r\n    Carnet")));

    // The manual and the search program, missing and then present.
    QAction* help = main.findChild<QAction*>("Mnu_Mode_Emploi");
    help->trigger();
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(shown.shown,
        (QStringList {"Le mode d'emploi Kerlanic.hlp est introuvable dans le dossier " + folder + u'.',
            "Le programme de recherche CodePostal est introuvable dans le dossier " + folder + u'.'}));
    QVERIFY(f.fake.help.shown.isEmpty() && f.fake.launcher.started.isEmpty());

    const QString manual = QDir(f.dir.path()).filePath("Kerlanic.hlp");
    const QString program = QDir(f.dir.path()).filePath(searchProgramName());
    TestFiles::write(manual, "<html><body>Sommaire</body></html>");
    TestFiles::write(program, "#!/bin/sh\n");
    help->trigger();
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(f.fake.help.shown, QStringList {manual});
    QCOMPARE(f.fake.launcher.started, QStringList {program});

    f.fake.launcher.result = false;
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(
        shown.shown.last(), QString::fromUtf8("Le programme de recherche CodePostal n'a pas pu être lancé."));
}

void TestMainWindow::quitClosesEveryWindow()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    MainWindow& main = f.start();
    auto* other = new QWidget(&main, Qt::Window);
    other->show();
    QVERIFY(main.isVisible());
    main.findChild<QAction*>("Mnu_Quitter")->trigger();
    QVERIFY(!other->isVisible());
    QVERIFY(!main.isVisible());
}

// The one test of the real message box: French buttons, no icon, and the user's text as typed (a
// callsign typed as "<B>F1ABC" shows its angle brackets, never bold).
void TestMainWindow::realMessageBoxSpeaksFrench()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&translator);

    const QString text = QStringLiteral("Le carnet de <B>F1ABC</B> n'a pas pu être lu. Enregistrer ?");
    QStringList shown; // title, text, then the buttons
    Qt::TextFormat format = Qt::RichText;
    bool hadIcon = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        shown << box->windowTitle() << label->text();
        format = label->textFormat();
        hadIcon = box->icon() != QMessageBox::NoIcon;
        for (QAbstractButton* button : box->buttons())
            shown << button->text().remove(u'&');
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!QtMessages().ask(text));
    QCoreApplication::removeTranslator(&translator);

    std::sort(shown.begin() + 2, shown.end());
    QCOMPARE(shown, (QStringList {"Kerlanic", text, "Non", "Oui"}));
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(!hadIcon);
}

// The icon lists its sizes without decoding them, and hands out each drawn image as it is.
void TestMainWindow::programIconHandsOutItsImages_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("16") << 16;
    QTest::newRow("48") << 48;
    QTest::newRow("256") << 256;
}

void TestMainWindow::programIconHandsOutItsImages()
{
    QFETCH(int, side);
    const QIcon icon = programIcon();
    QCOMPARE(icon.availableSizes().size(), 7);
    QVERIFY(icon.availableSizes().contains(QSize(side, side)));
    const QImage drawn = QImage(QStringLiteral(":/icons/kerlanic-%1.png").arg(side));
    QVERIFY(!drawn.isNull());
    QCOMPARE(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
        drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// What the start puts off until a window is on the screen waits for a paint, runs once, and not at
// all once what it works for is gone.
void TestMainWindow::workAfterTheFirstPaintRunsOnce()
{
    QObject context;
    auto* gone = new QObject;
    int runs = 0;
    int runsAfterGone = 0;
    afterFirstWindowPainted(context, [&runs] { ++runs; });
    afterFirstWindowPainted(*gone, [&runsAfterGone] { ++runsAfterGone; });
    delete gone;
    QTest::qWait(10);
    QCOMPARE(runs, 0);

    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(runs, 1);
    window.repaint();
    QTest::qWait(10);
    QCOMPARE(runs, 1);
    QCOMPARE(runsAfterGone, 0);
}

// A new listing opens at its top; the line a save selects, the last, is in view.
void TestMainWindow::listingShowsWhatItSelects()
{
    const auto longListing = [](const char* town) {
        Listing listing;
        for (int i = 0; i < 200; ++i)
            listing.records << QByteArray("45") + QByteArray::number(100 + i)
                    + " 01/01/20 F4AAA        2 SSB    14 Mhz        " + town;
        return listing;
    };
    ListingPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto* view = panel.findChild<QListView*>(QStringLiteral("Liste_CP"));
    const auto inView = [view](int row) {
        const QRect line = view->visualRect(view->model()->index(row, 0));
        return line.top() >= 0 && line.bottom() < view->viewport()->height();
    };

    panel.setListing(longListing("ORLEANS"));
    panel.selectLast();
    QVERIFY(inView(199));
    panel.setListing(longListing("CHECY"));
    QVERIFY(inView(0));
    panel.selectLast();
    QVERIFY(inView(199));
}

// Without a mouse: F10 opens the first menu, and the arrows go on to the others.
void TestMainWindow::f10OpensTheMenus()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    f.startActive();
    QTest::keyClick(f.main.get(), Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), "Mnu_Fichier");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), "Mnu_Station");
    for (const char* menu : {"Mnu_Imprimer", "Mnu_Enregistre", "Mnu_Affichage"}) {
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), menu);
    }
    // Récapitulatif is a command without a menu: the arrows go past it and Enter runs it.
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(f.main->menuBar()->activeAction(), f.main->findChild<QAction*>("Mnu_Recap"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), "Mnu_Regle");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(f.main->findChild<SummaryWindow*>());
    QVERIFY(f.main->findChild<SummaryWindow*>()->isVisible());
    QCOMPARE(f.edit("C_Postal_A")->text(), QString());
}

// A menu-bar command that the mouse only passed over does not take the keys of the entry row.
void TestMainWindow::enterAfterHoveringTheMenuBarStaysInTheEntryRow()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    f.startActive();
    QMenuBar* bar = f.main->menuBar();
    QTest::mouseMove(bar, bar->actionGeometry(f.main->findChild<QAction*>("Mnu_Recap")).center());
    f.edit("C_Postal_A")->setFocus();
    QTest::keyClicks(f.edit("C_Postal_A"), "45");
    QTest::keyClick(f.edit("C_Postal_A"), Qt::Key_Return);
    QVERIFY(!f.main->findChild<SummaryWindow*>());
    QCOMPARE(f.fake.messages.shown, QStringList {"Format du Code Postal 5 chiffres"});
}

// On an old 800 x 600 screen a window larger than the screen is made to fit as far as it can,
// and its title bar, by which it is moved and closed, stays on the screen.
void TestMainWindow::windowsStayWithinASmallScreen_data()
{
    QTest::addColumn<QString>("action"); // empty: the main window itself
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("whole"); // the whole frame on the screen

    // The main window cannot be made smaller than its controls.
    QTest::newRow("main window on 800 x 600") << QString() << QSize(800, 600) << QSize(933, 701) << false;
    // The map is 760 x 820; fitted, it leaves room for its title bar (24 pixels before it is
    // shown, when the frame is not known).
    QTest::newRow("map on 1024 x 768") << "Mnu_Carte" << QSize(1024, 768) << QSize(760, 744) << true;
    QTest::newRow("map on 800 x 600") << "Mnu_Carte" << QSize(800, 600) << QSize(760, 576) << true;
}

void TestMainWindow::windowsStayWithinASmallScreen()
{
    QFETCH(QString, action);
    QFETCH(QSize, screen);
    QFETCH(QSize, size);
    QFETCH(bool, whole);
    MainFixture f;
    f.fake.screen.rect = QRect(QPoint(0, 0), screen);
    f.setStation("F6ABC", "45000");
    f.start();
    QWidget* window = f.main.get();
    if (!action.isEmpty()) {
        f.main->findChild<QAction*>(action)->trigger();
        window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != f.main.get() && top->isVisible() && top->parentWidget() == f.main.get())
                window = top;
        }
    }
    QVERIFY(window);
    QCOMPARE(window->size(), size);
    const QRect frame = window->frameGeometry();
    QVERIFY2(frame.top() >= 0 && frame.left() >= 0,
        qPrintable(QStringLiteral("frame at %1, %2").arg(frame.left()).arg(frame.top())));
    if (whole)
        QVERIFY2(QRect(QPoint(0, 0), screen).contains(frame),
            qPrintable(QStringLiteral("frame bottom at %1").arg(frame.bottom())));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
