#include "MainFixture.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

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
    // Every item exactly, one per "\n", so "\n\n" holds a blank item. Three items end with a blank
    // that belongs to the text: "…de 10 euros ", "…pour le diplôme. " and "…a faire parvenir ".
    void rulesWindow_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");

        QTest::newRow("10 Millions")
            << "Mnu_Regle_10Millions"
            << "Reglement_10M" << QString("Règlement 10 Millions")
            << QString("Règlement du Diplôme 10 Millions")
            << QString("                          DIPLOME 10 MILLIONS\n\n"
                       "Le but est de totaliser 10 millions de points avec les codes postaux des stations "
                       "françaises\n"
                       "pour le diplôme de base, 50 millions pour le trophée.\n\n"
                       "Ceux ci sont indiqués sur les cartes QSL qui doivent être en votre possession.\n"
                       "Les QSL e-mail et e-qsl sont également acceptés.\n\n"
                       "Un bonus de 10% est accordé pour les références DFCF . Ce bonus est cumulable a "
                       "celui du code\n"
                       "postal lorsqu'il est indiqué sur la QSL de l'activité.\n"
                       "Ce peut être le code postal personnel de l'adresse de l'activeur. (Il ne sera compté "
                       "qu'une seule fois).\n"
                       "Par ex F5XXX/P DFCF 45050, ayant comme code postal perso 45000 comptera:\n"
                       "CP = 45000 DFCF 45050 = Bonus 4505 Total 49505 points.\n\n"
                       "Le nombre de code postaux différents et références DFCF est limité à 25 par "
                       "département.\n"
                       "Les codes postaux des QSL SWL sont également valides.\n"
                       "Date de départ le 01/01/1990 pour les stations françaises\n\n"
                       "Toute demande sous forme de liste certifiée sera à faire parvenir accompagnée de 10 "
                       "euros \n"
                       "au 10 Millions Manager.( 32 euros pour le Trophée 50 Millions).\n"
                       "En cas de doute une ou plusieurs QSL pourront être demandées.\n\n"
                       "10 Millions Manager, Quelvar\n"
                       "12 rue des Goélands\n"
                       "29900 Concarneau\n"
                       "Email:  manager@diplomes-quelvar.fr")
                   .split('\n');
        QTest::newRow("DVF")
            << "Mnu_Reglement_DVF"
            << "Reglement_DVF" << QString("Règlement du DVF")
            << QString("Règlement du Diplôme des Villes Françaises")
            << QString("                          DIPLOME DES VILLES FRANCAISES\n\n"
                       "Le DVF, Diplôme des Villes Françaises à été créé en 1986 dans le but d'encourager\n"
                       "le trafic avec des stations radioamateurs des principales villes Françaises.\n"
                       "Pour chaque département, la ville au plus grand nombre de licenciés a été "
                       "sélectionnée.\n\n"
                       "Pour être valide, une station doit avoir son QTH dans une ville de la liste DVF.\n"
                       "Les cartes QSL des stations SWL dont le QTH est une des villes de la liste sont "
                       "également valables.\n\n"
                       "Le diplôme est attribué pour 5 classes.\n"
                       "Classe III: Confirmations de 10 villes différentes.\n"
                       "Classe II: Confirmations de 30 Villes différentes.\n"
                       "Classe I: Confirmations de 50 Villes différentes.\n"
                       "Classe Excellence: Confirmations de 70 Villes différentes.\n"
                       "Classe Honneur: Confirmations de 90 Villes différentes.\n\n"
                       "Tous contacts réalisés aprés le 1er janvier 1968 comptent pour le diplôme. \n"
                       "Une liste des QSL reçues certifiée par 2 OM ou un président de RC sera a faire "
                       "parvenir \n"
                       "accompagnée de 10 Euros au Diplôme Manager Quelvar.")
                   .split('\n');
    }

    void rulesWindow()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        MainFixture f;
        MainWindow& main = f.start();
        auto* action = main.findChild<QAction*>(entry);
        action->trigger();

        QPointer<QWidget> window = main.findChild<QWidget*>(name);
        QVERIFY(window && window->isVisible() && window->isWindow());
        QTEST(window->windowTitle(), "caption");
        QTEST(window->findChild<QLabel*>("Label1")->text(), "title");
        QCOMPARE(itemsOf(window), items);

        // Chosen again while open: brought forward, the text not doubled.
        action->trigger();
        QCOMPARE(main.findChild<QWidget*>(name), window.data());
        QCOMPARE(itemsOf(window), items);

        // Closed and opened again: a fresh window with the text once.
        window->close();
        QTRY_VERIFY(!window);
        action->trigger();
        window = main.findChild<QWidget*>(name);
        QVERIFY(window);
        QCOMPARE(itemsOf(window), items);
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
