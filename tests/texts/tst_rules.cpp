#include "MainFixture.h"

#include <QAction>
#include <QListWidget>
#include <QTest>

class TestRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The texts are data, and so are the captions: the item count and one item of each text,
    // exactly, show that the right text is there whole. Raising an open window and opening a fresh
    // one after a close are the same for every secondary window: the report window tests see them.
    void rulesWindow_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("item");
        QTest::newRow("10 Millions") << QString("Mnu_Regle_10Millions") << QString("Reglement_10M") << 26
                                     << 12
                                     << QString("CP = 45000 DFCF 45050 = Bonus 4505 Total 49505 points.");
        // A blank that ends an item belongs to the text.
        QTest::newRow("DVF")
            << QString("Mnu_Reglement_DVF") << QString("Reglement_DVF") << 19 << 16
            << QString("Tous contacts réalisés aprés le 1er janvier 1968 comptent pour le diplôme. ");
    }

    void rulesWindow()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(int, index);
        MainFixture f;
        MainWindow& main = f.start();
        main.findChild<QAction*>(entry)->trigger();
        const auto* window = main.findChild<QWidget*>(name);
        QVERIFY(window && window->isVisible() && window->isWindow());
        const auto* text = window->findChild<QListWidget*>(QStringLiteral("Texte"));
        QTEST(text->count(), "count");
        QTEST(text->item(index)->text(), "item");
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
