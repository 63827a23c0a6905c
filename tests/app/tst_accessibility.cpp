#include "MainFixture.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "app/AppDir.h"
#include "codepostal/CodePostalWindow.h"
#include "platform/QtHelpViewer.h"
#include "postal/PostalBase.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestFiles::record;

// What a screen reader is told: every window by its caption, and the user's own text as text.
class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindowIsAnnouncedByItsCaption();
    void statusShowsMarkupAsTyped();
    void controlsAreNamedByTheirLabel_data();
    void controlsAreNamedByTheirLabel();
};

void TestAccessibility::everyWindowIsAnnouncedByItsCaption()
{
    MainFixture f;
    f.setStation("F6ABC", "45000", TestFiles::logOf({SampleLog::kOrleans}));
    QVERIFY(installShippedFiles(f.dir.path()).isEmpty());
    f.fake.settings.write("Setup ", "Adresse DFCF", "http://127.0.0.1:9");
    MainWindow& main = f.start();

    // Every window the program opens: the menus, the buttons, the manual and the search program.
    for (const char* action : {"Mnu_New_Indicatif", "Mnu_C_Contacte", "Mnu_C_Confirme", "Mnu_non_confirme",
             "Mnu_Recap", "Mnu_Regle_10Millions", "Mnu_Reglement_DVF", "Mnu_Liste_Villes", "Mnu_Diplome", "Mnu_Carte"})
        main.findChild<QAction*>(QLatin1String(action))->trigger();
    for (const char* button : {"Affiche_Un", "Liste_DFCF"})
        QTest::mouseClick(f.button(button), Qt::LeftButton);
    QtHelpViewer help(&main);
    help.showHelp(QDir(f.dir.path()).filePath("Kerlanic.hlp"));
    CodePostalWindow search(PostalBase::shipped());
    search.show();

    // Walked as a screen reader walks it: from the application down to its windows.
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QVERIFY(application);
    QStringList windows;
    for (int i = 0; i < application->childCount(); ++i) {
        QAccessibleInterface* window = application->child(i);
        auto* widget = qobject_cast<QWidget*>(window->object());
        if (!widget || !widget->isVisible())
            continue;
        const QString name = window->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QCOMPARE(name, widget->windowTitle());
        QVERIFY2(window->role() == QAccessible::Window, qPrintable(widget->objectName()));
        windows << widget->objectName();
    }
    windows.sort();
    QCOMPARE(windows,
        (QStringList {"Aff_Confirme", "Aff_Contacte", "Aff_Non_Confirme", "Aide", "CodePostal", "DVF",
            "Liste_DFCF1", "Liste_Villes", "Main", "MapWindow", "Numero_Dpt", "Recapitulatif", "Reglement_10M",
            "Reglement_DVF", "Station"}));

    // A caption that changes is announced as it now reads.
    main.setWindowTitle("Kerlanic");
    QCOMPARE(
        QAccessible::queryAccessibleInterface(&main)->text(QAccessible::Name), QStringLiteral("Kerlanic"));
}

void TestAccessibility::statusShowsMarkupAsTyped()
{
    MainFixture f;
    f.setStation("F6ABC", "45000",
        TestFiles::logOf({record("45000", "12/03/06", "<B>F1ABC", '4', "SSB", "14 Mhz", "", "<I>ORLEANS")}));
    f.startActive();
    f.typeAndEnter("C_Postal_A", "45000");

    for (const auto& [name, text] : {std::pair {"Status_A", "C.P. deja contacté avec <B>F1ABC le 12/03/06"},
             std::pair {"I_Station", "F6ABC"}, std::pair {"C_Station", "45000"}}) {
        const auto* label = f.main->findChild<QLabel*>(QLatin1String(name));
        QCOMPARE(label->text(), QString::fromUtf8(text));
        QVERIFY2(label->textFormat() == Qt::PlainText, name);
    }
    QCOMPARE(f.edit("Ville_A")->text(), QStringLiteral("<I>ORLEANS"));
}

// A control is read by what it is, not by what it holds: "Mode", not "SSB".
void TestAccessibility::controlsAreNamedByTheirLabel_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("postal code box") << "C_Postal_A" << "N° du C.P.";
    // On Linux a list is read by what it holds and tied to its label by a relation; the box
    // inside it, which gets the keys, is named.
    QTest::newRow("box of the mode list") << "Mode_A/edit" << "Mode";
    QTest::newRow("box of the band list") << "Bande_A/edit" << "QRG";
    QTest::newRow("total") << "Tot_Points" << "Nb points 10 Millions";
    QTest::newRow("listing") << "Liste_CP" << "Liste des Codes Postaux";
}

void TestAccessibility::controlsAreNamedByTheirLabel()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    MainFixture f;
    f.setStation("F6ABC", "45000", TestFiles::logOf({SampleLog::kOrleans}));
    f.start();
    QWidget* widget = f.main->findChild<QWidget*>(control.section(u'/', 0, 0));
    if (control.endsWith(QLatin1String("/edit")))
        widget = qobject_cast<QComboBox*>(widget)->lineEdit();
    QVERIFY(widget);
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
