#include "MainFixture.h"
#include "SampleLog.h"
#include "TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace SampleLog;
using TestFiles::logOf;

// Undo, redo and restore, as the user reaches them from the main window.
class TestSafetyNets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoASaveAModificationAndACancel();
    void restoreKeepsTheCurrentLog();
    void folderDialogOpensOnAFolderThatIsThere_data();
    void folderDialogOpensOnAFolderThatIsThere();
};

void TestSafetyNets::undoAndRedoASaveAModificationAndACancel()
{
    MainFixture f;
    f.setStation(QStringLiteral("F6ABC"), QStringLiteral("45000"), logOf({kBourg, kOrleans}));
    f.startActive();
    const QByteArray modified
        = TestFiles::record("45000", "12/03/06", "F1ABC", '2', "SSB", "14 Mhz", "", "ORLÉANS");
    QVERIFY(f.logbook.Ajoute_Ligne(kParis).done);
    QVERIFY(f.logbook.Remplace_Ligne(modified, [](QByteArrayView line) { return line == kOrleans; }).done);
    f.main->Liste_Tous();
    f.chooseListedLine(kBourg);
    f.fake.messages.setNextAnswer(true);
    f.button("Annule_Saisie")->click();

    const struct
    {
        Qt::Key key;
        const char* question;
        QByteArray log;
        const char* total;
    } steps[] {
        {Qt::Key_Z, "Annuler l'effacement du Code Postal 01000 ?", logOf({kBourg, modified, kParis}), "0.0"},
        {Qt::Key_Z, "Annuler la modification du Code Postal 45000 ?", logOf({kBourg, kOrleans, kParis}),
            "49512.3"},
        {Qt::Key_Z, "Annuler l'enregistrement du Code Postal 75001 ?", logOf({kBourg, kOrleans}), "49512.3"},
        {Qt::Key_Y, "Rétablir l'enregistrement du Code Postal 75001 ?", logOf({kBourg, kOrleans, kParis}),
            "49512.3"}};
    for (const auto& step : steps) {
        // The keys work while a box of the entry row has the focus, and the row is cleared.
        QTest::keyClicks(f.edit("C_Postal_A"), "45");
        f.fake.messages.setNextAnswer(true);
        QTest::keyClick(f.edit("C_Postal_A"), step.key, Qt::ControlModifier);
        QCOMPARE(f.fake.messages.asked.last(), QString::fromUtf8(step.question));
        QCOMPARE(TestFiles::read(f.logPath("F6ABC")), step.log);
        QCOMPARE(f.edit("Tot_Points")->text(), QLatin1String(step.total));
        QCOMPARE(f.edit("C_Postal_A")->text(), QString());
    }
}

void TestSafetyNets::restoreKeepsTheCurrentLog()
{
    MainFixture f;
    f.setStation(QStringLiteral("F6ABC"), QStringLiteral("45000"), logOf({kBourg}));
    const QString folder = QDir(f.dir.path()).filePath(QStringLiteral("Sauvegardes"));
    QDir().mkpath(folder);
    // Restored byte for byte, its LF line end and its last line without one included.
    const QByteArray chosen = kOrleans + "\n" + kParis;
    TestFiles::write(folder + "/F6ABC_CP_2026-12-01.txt", chosen);
    QFile::link(folder + "/F6ABC_CP_2026-12-03.txt", folder + "/F6ABC_CP_2026-12-03.txt");
    f.start();
    f.main->findChild<QAction*>("Mnu_Restaurer")->trigger();
    auto* list = f.main->findChild<QTreeWidget*>("Liste_Sauvegardes");
    QCOMPARE(list->topLevelItemCount(), 2);
    const QTreeWidgetItem* unreadable = list->topLevelItem(0);
    QCOMPARE(unreadable->text(0) + u' ' + unreadable->text(1), QStringLiteral("03/12/2026 illisible"));
    QCOMPARE(unreadable->flags(), Qt::NoItemFlags);
    // The focus frame on a backup, as the list puts it there when it gets the focus: not selected.
    list->selectionModel()->setCurrentIndex(
        list->model()->index(1, 0), QItemSelectionModel::NoUpdate);
    f.fake.messages.setNextAnswer(true);
    // Enter on that backup restores it, as the button does.
    QTest::keyClick(list, Qt::Key_Return);

    QVERIFY(!f.fake.messages.asked.isEmpty());
    QCOMPARE(f.fake.messages.asked.last(),
        QStringLiteral(
            "Remplacer le carnet F6ABC_CP.txt par la sauvegarde du 01/12/2026 (2 lignes, total 49512.3) ?\r\n"
            "Le carnet actuel sera d'abord gardé en sauvegarde."));
    QCOMPARE(TestFiles::read(f.logPath("F6ABC")), chosen);
    QCOMPARE(TestFiles::read(folder + "/F6ABC_CP_2026-12-05.txt"), logOf({kBourg}));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("49512.3"));
    f.fake.messages.setNextAnswer(true);
    f.main->findChild<QAction*>("Mnu_Annuler")->trigger();
    QCOMPARE(f.fake.messages.asked.last(),
        QStringLiteral("Annuler la restauration de la sauvegarde du 01/12/2026 ?"));
    QCOMPARE(TestFiles::read(f.logPath("F6ABC")), logOf({kBourg}));
}

// The second folder's dialog opens on the folder typed, or on what is left of it when a key is
// unplugged; on the home folder when nothing of it is there.
void TestSafetyNets::folderDialogOpensOnAFolderThatIsThere_data()
{
    QTest::addColumn<QString>("typed"); // under the test's folder, {dir} standing for it
    QTest::addColumn<QString>("opened");
    QTest::newRow("folder there") << "{dir}/cle" << "{dir}/cle";
    QTest::newRow("key unplugged") << "{dir}/cle/KERLANIC/copies" << "{dir}/cle";
    QTest::newRow("nothing typed") << "" << "{home}";
    QTest::newRow("relative name") << "copies" << "{home}";
}

void TestSafetyNets::folderDialogOpensOnAFolderThatIsThere()
{
    QFETCH(QString, typed);
    QFETCH(QString, opened);
    MainFixture f;
    f.setStation(QStringLiteral("F6ABC"), QStringLiteral("45000"), logOf({kBourg}));
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("cle")));
    f.start();
    f.main->findChild<QAction*>("Mnu_Sauvegardes")->trigger();
    const auto place = [&f](QString text) {
        return text.replace(QLatin1String("{dir}"), f.dir.path()).replace(QLatin1String("{home}"), QDir::homePath());
    };
    f.main->findChild<QLineEdit*>("Dossier_A")->setText(place(typed));
    f.main->findChild<QPushButton*>("Parcourir")->click();
    auto* dialog = f.main->findChild<QFileDialog*>();
    QVERIFY(dialog);
    QCOMPARE(dialog->directory().absolutePath(), place(opened));
    dialog->reject();
}

QTEST_MAIN(TestSafetyNets)
#include "tst_safetynets.moc"
