#include "codepostal/CodePostalWindow.h"
#include "postal/PostalBase.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

namespace {

const QString kPrompt = QStringLiteral("Tapez un Code Postal, ou son début, ou le nom d'une commune.");
const QString kHint
    = QStringLiteral(". Entrée ou double-clic : copie le Code Postal dans le presse-papiers.");

} // namespace

class TestCodePostalWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QGuiApplication::clipboard()->setText("avant");
        m_window = std::make_unique<CodePostalWindow>(PostalBase::shipped());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(status(), kPrompt);
        QVERIFY(search()->hasFocus());
    }
    void cleanup() { m_window.reset(); }

    void resultsAsYouTypeAndEnterCopies_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("first"); // the first lines under the column heads
        QTest::addColumn<QString>("found"); // the status line
        QTest::addColumn<QString>("copied"); // what Enter puts on the clipboard
        const auto row = [](const char* name, const char* typed, const QStringList& first, const QString& found,
                             const char* copied) { QTest::newRow(name) << typed << first << found << copied; };
        row("name without accent", "orleans", {"45000 | Orléans | 45 Loiret", "45100 | Orléans | 45 Loiret"},
            "2 résultats" + kHint, "45000");
        // La Poste's code is shown; the log's is copied, for the entry row to find the town logged.
        row("Corsica as the log writes it", "2a000", {"20000 | Ajaccio | 2A Corse-du-Sud"},
            "1 résultat" + kHint, "2A000");
        row("Bastia", "bastia", {"20200 | Bastia | 2B Haute-Corse"}, "2 résultats" + kHint, "2B200");
        row("no result", "xyzzy", {}, "Aucune commune ne correspond à « xyzzy ».", "avant");
        row("a long paste, echoed cut short", "444444444444444444444444444444444444444444444444444444444444", {},
            "Aucune commune ne correspond à « 4444444444444444444444444444444444444444… ».", "avant");
    }

    void resultsAsYouTypeAndEnterCopies()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, first);
        QFETCH(QString, found);
        QFETCH(QString, copied);
        const QString heads = QStringLiteral("Code Postal | Commune | Département");

        QTest::keyClicks(search(), typed);
        QCOMPARE(lines().mid(0, first.size() + 1), QStringList {heads} + first);
        QCOMPARE(status(), found);
        // Enter copies the first result; without one, it copies nothing and says nothing new.
        QTest::keyClick(search(), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        if (first.isEmpty())
            QCOMPARE(status(), found);

        // Emptying the box empties the list.
        search()->clear();
        QCOMPARE(lines(), QStringList {heads});
        QCOMPARE(status(), kPrompt);
    }

    void arrowsEnterAndDoubleClickCopyTheChosenRow()
    {
        QTest::keyClicks(search(), "orleans");
        // The arrows choose a result without leaving the box.
        QTest::keyClick(search(), Qt::Key_Down);
        QVERIFY(search()->hasFocus());
        QTest::keyClick(search(), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("45100"));
        QCOMPARE(status(), QStringLiteral("Code Postal 45100 (Orléans) copié dans le presse-papiers."));

        // Enter in the list and a double-click copy too.
        results()->setFocus();
        QTest::keyClick(results(), Qt::Key_Up);
        QTest::keyClick(results(), Qt::Key_Enter);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("45000"));

        const QPoint second = results()->visualRect(results()->model()->index(1, 1)).center();
        QTest::mouseClick(results()->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(results()->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("45100"));
    }

    void unreadableBaseSaysSo()
    {
        const PostalBase empty = PostalBase::parse("");
        CodePostalWindow window(empty);
        QVERIFY(!window.findChild<QLineEdit*>("Saisie")->isEnabled());
        QCOMPARE(window.findChild<QLabel*>("Etat")->text(),
            QStringLiteral("La base des Codes Postaux est illisible : la recherche est impossible."));
    }

private:
    // The column heads, then each result, as "postal code | commune | département".
    QStringList lines() const;
    QString status() const { return m_window->findChild<QLabel*>("Etat")->text(); }
    QLineEdit* search() const { return m_window->findChild<QLineEdit*>("Saisie"); }
    QTreeView* results() const { return m_window->findChild<QTreeView*>("Resultats"); }

    std::unique_ptr<CodePostalWindow> m_window;
};

QStringList TestCodePostalWindow::lines() const
{
    const QAbstractItemModel* model = results()->model();
    QStringList lines;
    for (int row = -1; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << (row < 0 ? model->headerData(column, Qt::Horizontal) : model->index(row, column).data())
                         .toString();
        lines << cells.join(" | ");
    }
    return lines;
}

QTEST_MAIN(TestCodePostalWindow)
#include "tst_codepostalwindow.moc"
