#include "MainFixture.h"
#include "TestFiles.h"
#include "map/MapShapes.h"
#include "map/MapView.h"
#include "map/MapWindow.h"

#include <QAction>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <map>

namespace {

struct MapFixture : MainFixture
{
    MapFixture()
    {
        setStation("F6ABC", "45000", TestFiles::read(KERLANIC_MAP_DATA "/F6ABC_CP.txt"));
        TestFiles::write(
            QDir(dir.path()).filePath("Liste_DVF.txt"), TestFiles::read(KERLANIC_MAP_DATA "/Liste_DVF.txt"));
        start();
    }
    QWidget* openMap() const
    {
        main->findChild<QAction*>("Mnu_Carte")->trigger();
        return main->findChild<QWidget*>("MapWindow");
    }
};

// Where a département's outline puts the centre of its bounds, in the view.
QPoint centreOf(const MapView& view, const QString& code)
{
    for (const MapShape& shape : mapShapes().shapes) {
        if (shape.code == code) {
            const QPointF centre = shape.outline.boundingRect().center();
            return shape.outline.contains(centre) ? view.toWidget(centre).toPoint() : QPoint(-1, -1);
        }
    }
    return {-1, -1};
}

// The colour most of the pixels around a point have: hatching lines are the fewer.
QColor colourAround(const QImage& image, QPoint point)
{
    std::map<QRgb, int> seen;
    for (int dx = -4; dx <= 4; ++dx)
        for (int dy = -4; dy <= 4; ++dy)
            ++seen[image.pixel(point + QPoint(dx, dy))];
    return QColor(std::max_element(seen.begin(), seen.end(), [](auto a, auto b) {
        return a.second < b.second;
    })->first);
}

} // namespace

class TestMapWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The colour at the centre of three départements, in both views, and after a save that
    // confirms a first record in an empty département.
    void colours_data()
    {
        QTest::addColumn<bool>("dvf");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("colour");
        QTest::newRow("full 45") << false << "45"
                                 << "#0072b2";
        QTest::newRow("contacted 37") << false << "37"
                                      << "#e69f00";
        QTest::newRow("confirmed 2A") << false << "2A"
                                      << "#56b4e9";
        QTest::newRow("empty 01") << false << "01"
                                  << "#f2f2f2";
        QTest::newRow("DVF: town confirmed in 45") << true << "45"
                                                   << "#0072b2";
        QTest::newRow("DVF: Conf alone is contacted in 2A") << true << "2A"
                                                            << "#e69f00";
    }
    void colours()
    {
        QFETCH(bool, dvf);
        QFETCH(QString, code);
        QFETCH(QString, colour);
        MapFixture f;
        QWidget* window = f.openMap();
        QCOMPARE(window->windowTitle(), "Carte des Départements");
        window->findChild<QRadioButton*>(dvf ? "dvfView" : "tenMillionsView")->setChecked(true);
        auto* view = window->findChild<MapView*>("map");
        const QPoint centre = centreOf(*view, code);
        QVERIFY2(view->rect().contains(centre), "centre of the bounds inside the outline");
        QCOMPARE(colourAround(view->grab().toImage(), centre).name(), colour);

        if (code == "01" && !dvf) {
            f.logbook.Ajoute_Ligne(
                TestFiles::record("01000", "12/03/06", "F5XYZ", '4', "SSB", "14 Mhz", "", ""));
            QCOMPARE(colourAround(view->grab().toImage(), centre).name(), "#56b4e9");
        }
    }

    // Hovering tells without reading the log; a click lists as "Affiche N° de C P" does.
    void hoverAndClick()
    {
        MapFixture f;
        auto* view = f.openMap()->findChild<MapView*>("map");
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QFile::remove(f.logPath("F6ABC"));
        const QPoint corsica = centreOf(*view, "2A");
        QHelpEvent tip(QEvent::ToolTip, corsica, view->mapToGlobal(corsica));
        QApplication::sendEvent(view, &tip);
        QTRY_COMPARE(QToolTip::text(), QString::fromUtf8(TestFiles::read(KERLANIC_MAP_DATA "/hover_2A.txt")));

        f.writeLog("F6ABC", TestFiles::read(KERLANIC_MAP_DATA "/F6ABC_CP.txt"));
        f.button("Affiche_Un")->click();
        f.typeAndEnter("Num_Dep", "45");
        const QStringList typed = f.listedLines();
        f.main->Liste_Tous();
        QTest::mouseClick(view, Qt::LeftButton, {}, centreOf(*view, "45"));
        QCOMPARE(f.listedLines(), typed);
        QCOMPARE(typed.size(), 26);
    }

    // Without a mouse: the arrows, a typed number and Enter do what hovering and a click do.
    void keyboard()
    {
        MapFixture f;
        auto* view = f.openMap()->findChild<MapView*>("map");
        QSignalSpy chosen(view, &MapView::departementChosen);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->picture().hovered, "01");
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(view->picture().hovered, "95");
        QTest::keyClicks(view, "2a");
        QCOMPARE(view->picture().hovered, "2A");
        QCOMPARE(view->accessibleDescription(),
            QString::fromUtf8(TestFiles::read(KERLANIC_MAP_DATA "/hover_2A.txt")));
        QTest::keyClicks(view, "45");
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().toString(), "45");
    }

    // A station whose log is empty: the map open on the last one shows it empty, under its callsign.
    void followsAStationSwitch()
    {
        MapFixture f;
        QWidget* window = f.openMap();
        f.writeLog("F6NEW", {});
        f.logbook.setStation("F6NEW", "35000");
        f.logbook.read();
        QCOMPARE(window->findChild<QProgressBar*>("pointsBar")->format(),
            QStringLiteral("10 Millions : 0.0 points sur 10000000"));
        QCOMPARE(window->findChild<QLabel*>("departementsLabel")->text(),
            QStringLiteral("Départements confirmés : 0 sur 96"));
        QCOMPARE(window->findChild<MapView*>("map")->picture().title, QStringLiteral("F6NEW"));
    }

    // On paper the hatching keeps its spacing: drawn as lines, which a PDF printer draws where
    // they are, not as a pattern, which it draws at its own fine dots.
    void hatchingOnPaper()
    {
        MapFixture f;
        auto* view = f.openMap()->findChild<MapView*>("map");
        const QString path = f.dir.filePath("carte.pdf");
        {
            QPdfWriter pdf(path);
            pdf.setResolution(1200);
            QPainter painter(&pdf);
            drawMap(
                painter, QRectF(QPointF(), QSizeF(pdf.width(), pdf.height())), mapShapes(), view->picture());
        }
        const QByteArray written = TestFiles::read(path);
        QVERIFY(written.startsWith("%PDF"));
        QVERIFY(!written.contains("/PatternType"));
    }

    // The summary sheet shows the band's three figures under its own counts.
    void summaryFigures()
    {
        MapFixture f;
        f.main->findChild<QAction*>("Mnu_Recap")->trigger();
        QStringList figures;
        for (const char* name : {"pointsProgress", "departementsProgress", "dvfProgress"})
            figures << f.main->findChild<QLabel*>(name)->text();
        QCOMPARE(figures.join(u'\n'), QString::fromUtf8(TestFiles::read(KERLANIC_MAP_DATA "/progress.txt")));
    }

    void printAndSave()
    {
        MapFixture f;
        QWidget* window = f.openMap();
        window->findChild<QPushButton*>("printButton")->click();
        QCOMPARE(f.fake.printer.events, (QStringList {"dialog", "page", "end"}));

        auto* map = static_cast<MapWindow*>(window);
        const QDir folder(f.dir.path());
        QCOMPARE(map->saveImage(folder.filePath("carte.png")), QString());
        QCOMPARE(QImage(folder.filePath("carte.png")).size(), QSize(1600, 1700));
        QCOMPARE(map->saveImage(folder.filePath("carte.svg")), QString());
        QVERIFY(
            TestFiles::read(folder.filePath("carte.svg")).contains("<title>Carte des Départements</title>"));
        const QString lost = folder.filePath("absent/carte.svg");
        QCOMPARE(map->saveImage(lost), "La carte n'a pas pu être enregistrée dans le fichier " + lost + ".");
    }
};

QTEST_MAIN(TestMapWindow)
#include "tst_mapwindow.moc"
