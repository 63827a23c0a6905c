#include "MainFixture.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

using ItemTexts = QMap<int, QString>;

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList itemsOf(const QWidget* window)
{
    QStringList lines;
    const auto* text = window->findChild<QListWidget*>(QStringLiteral("Texte"));
    for (int i = 0; i < text->count(); ++i)
        lines << text->item(i)->text();
    return lines;
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rulesWindow_data();
    void rulesWindow();
};

void TestRules::rulesWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("blankItems"); // 1-based
    QTest::addColumn<ItemTexts>("someItems"); // 1-based, exact

    QTest::newRow("10 Millions") << "Mnu_Regle_10Millions"
                                 << "Reglement_10M" << u("Règlement 10 Millions")
                                 << u("Règlement du Diplôme 10 Millions") << QList<int> {2, 5, 8, 14, 18, 22}
                                 << ItemTexts {
                                        {1, "                          DIPLOME 10 MILLIONS"},
                                        {9,
                                            u("Un bonus de 10% est accordé pour les références DFCF . Ce "
                                              "bonus est cumulable a celui du code")},
                                        {13, "CP = 45000 DFCF 45050 = Bonus 4505 Total 49505 points."},
                                        {19,
                                            u("Toute demande sous forme de liste certifiée sera à faire "
                                              "parvenir accompagnée de 10 euros ")},
                                        {
                                            20,
                                            "au 10 Millions Manager.( 32 euros pour le Trophée 50 Millions).",
                                        },
                                        {23, "10 Millions Manager, Quelvar"},
                                        {26, "Email:  manager@diplomes-quelvar.fr"},
                                    };
    QTest::newRow("DVF")
        << "Mnu_Reglement_DVF"
        << "Reglement_DVF" << u("Règlement du DVF") << u("Règlement du Diplôme des Villes Françaises")
        << QList<int> {2, 6, 9, 16}
        << ItemTexts {
               {1, "                          DIPLOME DES VILLES FRANCAISES"},
               {3, u("Le DVF, Diplôme des Villes Françaises à été créé en 1986 dans le but d'encourager")},
               {11, u("Classe III: Confirmations de 10 villes différentes.")},
               {15, u("Classe Honneur: Confirmations de 90 Villes différentes.")},
               {17, u("Tous contacts réalisés aprés le 1er janvier 1968 comptent pour le diplôme. ")},
               {18,
                   u("Une liste des QSL reçues certifiée par 2 OM ou un président de RC sera a faire "
                     "parvenir ")},
               {19, u("accompagnée de 10 Euros au Diplôme Manager Quelvar.")},
           };
}

void TestRules::rulesWindow()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QList<int>, blankItems);
    QFETCH(ItemTexts, someItems);
    const int count = name == "Reglement_10M" ? 26 : 19;

    MainFixture f;
    MainWindow& main = f.start();
    auto* action = main.findChild<QAction*>(entry);
    QVERIFY(action->isEnabled());
    action->trigger();

    QPointer<QWidget> window = main.findChild<QWidget*>(name);
    QVERIFY(window && window->isVisible() && window->isWindow());
    QTEST(window->windowTitle(), "caption");
    QTEST(window->findChild<QLabel*>("Label1")->text(), "title");

    const QStringList items = itemsOf(window);
    QCOMPARE(items.size(), count);
    for (int i = 1; i <= count; ++i)
        QCOMPARE(items[i - 1].isEmpty(), blankItems.contains(i));
    for (auto it = someItems.cbegin(); it != someItems.cend(); ++it)
        QCOMPARE(items[it.key() - 1], it.value());
    // Only the items that carry a trailing blank end with one.
    for (int i = 1; i <= count; ++i) {
        const bool trailingBlank = items[i - 1].endsWith(' ');
        QCOMPARE(trailingBlank, someItems.value(i).endsWith(' '));
    }

    // Chosen again while open: brought forward, the text not doubled.
    action->trigger();
    QCOMPARE(main.findChild<QWidget*>(name), window.data());
    QCOMPARE(itemsOf(window).size(), count);

    // Closed and opened again: a fresh window with the text once.
    window->close();
    QTRY_VERIFY(!window);
    action->trigger();
    window = main.findChild<QWidget*>(name);
    QVERIFY(window);
    QCOMPARE(itemsOf(window), items);
}

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
