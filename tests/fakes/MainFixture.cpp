#include "MainFixture.h"

#include "TestFiles.h"
#include "adif/AdifMenu.h"
#include "app/StationSettings.h"
#include "log/StationLog.h"

#include "reports/Listing.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

MainFixture::MainFixture()
    : logbook(dir.path())
    , platform(fake.platform())
{ }

MainFixture::~MainFixture() = default;

void MainFixture::setStation(const QString& callsign, const QString& postalCode)
{
    fake.settings.values.insert(
        StationSettings::kGlobalSection + u'\x1f' + StationSettings::kIndicatifStation, callsign);
    fake.settings.values.insert(
        StationSettings::stationSection(callsign) + u'\x1f' + StationSettings::kCPStation, postalCode);
}

void MainFixture::setStation(const QString& callsign, const QString& postalCode, const QByteArray& log)
{
    setStation(callsign, postalCode);
    writeLog(callsign, log);
}

QString MainFixture::logPath(const QString& callsign) const
{
    return QDir(dir.path()).filePath(StationLog::fileName(callsign));
}

void MainFixture::writeLog(const QString& callsign, const QByteArray& contents)
{
    TestFiles::write(logPath(callsign), contents);
}

MainWindow& MainFixture::start()
{
    main = std::make_unique<MainWindow>(logbook, platform);
    // File dialogs are cancelled, as unanswered questions are: a test that wants a file says which.
    main->findChild<AdifMenu*>()->setFileChooser([](bool, const QString&) { return QString(); });
    main->startUp();
    return *main;
}

void MainFixture::startActive()
{
    start();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
}

QLineEdit* MainFixture::edit(const char* name) const
{
    return main->findChild<QLineEdit*>(QLatin1String(name));
}

QComboBox* MainFixture::combo(const char* name) const
{
    return main->findChild<QComboBox*>(QLatin1String(name));
}

QPushButton* MainFixture::button(const char* name) const
{
    return main->findChild<QPushButton*>(QLatin1String(name));
}

QString MainFixture::label(const char* name) const
{
    return main->findChild<QLabel*>(QLatin1String(name))->text();
}

QListView* MainFixture::listing() const
{
    return main->findChild<QListView*>(QStringLiteral("Liste_CP"));
}

QStringList MainFixture::listedLines() const
{
    QStringList lines;
    const QAbstractItemModel* model = listing()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

void MainFixture::chooseListedLine(const QByteArray& record) const
{
    const QModelIndexList found = listing()->model()->match(listing()->model()->index(0, 0), Qt::DisplayRole,
        listingLine(record), 1, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), record.constData());
    listing()->scrollTo(found.first());
    QTest::mouseClick(listing()->viewport(), Qt::LeftButton, {}, listing()->visualRect(found.first()).center());
}
