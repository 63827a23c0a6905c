#include "MainFixture.h"

#include "TestFiles.h"
#include "app/StationSettings.h"
#include "log/StationLog.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

MainFixture::MainFixture()
    : platform(fake.platform())
{
    state.appDir = dir.path();
}

MainFixture::~MainFixture() = default;

void MainFixture::setStation(const QString& callsign, const QString& postalCode)
{
    fake.settings.values.insert(
        StationSettings::kGlobalSection + u'\x1f' + StationSettings::kIndicatifStation, callsign);
    fake.settings.values.insert(
        StationSettings::stationSection(callsign) + u'\x1f' + StationSettings::kCPStation, postalCode);
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
    main = std::make_unique<MainWindow>(AppContext {state, platform});
    main->startUp();
    return *main;
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

QListWidget* MainFixture::listing() const
{
    return main->findChild<QListWidget*>(QStringLiteral("Liste_CP"));
}

QStringList MainFixture::listedLines() const
{
    QStringList lines;
    for (int i = 0; i < listing()->count(); ++i)
        lines << listing()->item(i)->text();
    return lines;
}
