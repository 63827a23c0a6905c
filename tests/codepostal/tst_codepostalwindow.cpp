#include "codepostal/CodePostalWindow.h"
#include "postal/PostalBase.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

class TestCodePostalWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void resultsAsYouType_data();
    void resultsAsYouType();
    void enterCopiesTheChosenPostalCode();
    void doubleClickCopiesThatRow();
    void enterWithoutResultCopiesNothing();
    void unreadableBaseSaysSo();

private:
    QStringList rows() const;
    QLabel* status() const { return m_window->findChild<QLabel*>("Etat"); }
    QLineEdit* search() const { return m_window->findChild<QLineEdit*>("Saisie"); }
    QTreeView* results() const { return m_window->findChild<QTreeView*>("Resultats"); }

    std::unique_ptr<CodePostalWindow> m_window;
};

QStringList TestCodePostalWindow::rows() const
{
    QStringList lines;
    const QAbstractItemModel* model = results()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        lines << model->index(row, 0).data().toString() + " | " + model->index(row, 1).data().toString()
                + " | " + model->index(row, 2).data().toString();
    }
    return lines;
}

void TestCodePostalWindow::init()
{
    QGuiApplication::clipboard()->setText("avant");
    m_window = std::make_unique<CodePostalWindow>(PostalBase::shipped());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(m_window->objectName(), QStringLiteral("CodePostal"));
    QCOMPARE(
        status()->text(), QStringLiteral("Tapez un Code Postal, ou son début, ou le nom d'une commune."));
    QVERIFY(search()->hasFocus());
}

void TestCodePostalWindow::cleanup()
{
    m_window.reset();
}

void TestCodePostalWindow::resultsAsYouType_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QString>("statusText");

    QTest::newRow("postal code")
        << "45000" << QStringList {"45000 | Orléans | 45 Loiret"}
        << "1 résultat. Entrée ou double-clic : copie le Code Postal dans le presse-papiers.";
    QTest::newRow("name without accent")
        << "orleans" << QStringList {"45000 | Orléans | 45 Loiret", "45100 | Orléans | 45 Loiret"}
        << "2 résultats. Entrée ou double-clic : copie le Code Postal dans le presse-papiers.";
    QTest::newRow("capitals, hyphens")
        << "SAINT-JEAN-DE-BRAYE" << QStringList {"45800 | Saint-Jean-de-Braye | 45 Loiret"}
        << "1 résultat. Entrée ou double-clic : copie le Code Postal dans le presse-papiers.";
    QTest::newRow("st denis")
        << "st denis"
        << QStringList {"11310 | Saint-Denis | 11 Aude", "30500 | Saint-Denis | 30 Gard",
               "93200 | Saint-Denis | 93 Seine-Saint-Denis", "93210 | Saint-Denis | 93 Seine-Saint-Denis",
               "93380 | Saint-Denis | 93 Seine-Saint-Denis", "97400 | Saint-Denis | 974 La Réunion",
               "97417 | Saint-Denis | 974 La Réunion", "97490 | Saint-Denis | 974 La Réunion",
               "46150 | Saint-Denis-Catus | 46 Lot"}
        << "64 résultats. Entrée ou double-clic : copie le Code Postal dans le presse-papiers.";
    QTest::newRow("Corsica")
        << "20000" << QStringList {"20000 | Ajaccio | 2A Corse-du-Sud"}
        << "1 résultat. Entrée ou double-clic : copie le Code Postal dans le presse-papiers.";
    QTest::newRow("no result") << "xyzzy" << QStringList {} << "Aucune commune ne correspond à « xyzzy ».";
}

void TestCodePostalWindow::resultsAsYouType()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, first);
    QFETCH(QString, statusText);

    QTest::keyClicks(search(), typed);
    QCOMPARE(rows().mid(0, first.size()), first);
    QCOMPARE(status()->text(), statusText);
    QCOMPARE(results()->currentIndex().row(), first.isEmpty() ? -1 : 0);

    // Emptying the box empties the list.
    search()->clear();
    QCOMPARE(rows(), QStringList());
    QCOMPARE(
        status()->text(), QStringLiteral("Tapez un Code Postal, ou son début, ou le nom d'une commune."));
}

void TestCodePostalWindow::enterCopiesTheChosenPostalCode()
{
    QTest::keyClicks(search(), "orleans");
    QTest::keyClick(search(), Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("45000"));
    QCOMPARE(status()->text(), QStringLiteral("Code Postal 45000 (Orléans) copié dans le presse-papiers."));

    // The arrows choose a result without leaving the box.
    QTest::keyClick(search(), Qt::Key_Down);
    QVERIFY(search()->hasFocus());
    QTest::keyClick(search(), Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("45100"));
    QCOMPARE(status()->text(), QStringLiteral("Code Postal 45100 (Orléans) copié dans le presse-papiers."));

    // Enter in the list copies too.
    results()->setFocus();
    QTest::keyClick(results(), Qt::Key_Up);
    QTest::keyClick(results(), Qt::Key_Enter);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("45000"));
}

void TestCodePostalWindow::doubleClickCopiesThatRow()
{
    QTest::keyClicks(search(), "st denis");
    QTreeView* list = results();
    const QModelIndex third = list->model()->index(2, 1);
    const QPoint where = list->visualRect(third).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("93200"));
    QCOMPARE(
        status()->text(), QStringLiteral("Code Postal 93200 (Saint-Denis) copié dans le presse-papiers."));
}

void TestCodePostalWindow::enterWithoutResultCopiesNothing()
{
    QTest::keyClicks(search(), "xyzzy");
    QTest::keyClick(search(), Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
    QCOMPARE(status()->text(), QStringLiteral("Aucune commune ne correspond à « xyzzy »."));
}

void TestCodePostalWindow::unreadableBaseSaysSo()
{
    const PostalBase empty = PostalBase::parse("");
    CodePostalWindow window(empty);
    QVERIFY(!window.findChild<QLineEdit*>("Saisie")->isEnabled());
    QCOMPARE(window.findChild<QLabel*>("Etat")->text(),
        QStringLiteral("La base des Codes Postaux est illisible : la recherche est impossible."));
}

QTEST_MAIN(TestCodePostalWindow)
#include "tst_codepostalwindow.moc"
