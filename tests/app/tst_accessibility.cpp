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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
