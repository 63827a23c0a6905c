#pragma once

#include "FakePlatform.h"
#include "app/MainWindow.h"
#include "model/Logbook.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;

// The main window on fakes, with a temporary program folder: what every window test starts from.
struct MainFixture
{
    MainFixture();
    ~MainFixture();

    // Settings of an already set-up station.
    void setStation(const QString& callsign, const QString& postalCode);
    // The same, with the station's log.
    void setStation(const QString& callsign, const QString& postalCode, const QByteArray& log);
    // Writes the log of a station (stored callsign) into the program folder.
    void writeLog(const QString& callsign, const QByteArray& contents);
    QString logPath(const QString& callsign) const;
    // Creates the main window and runs its start-up sequence.
    MainWindow& start();
    // Starts it, then gives it the keyboard, as the user's click on it would.
    void startActive();

    // A user at the keyboard on a named control of the main window or of a window it opened.
    QWidget* control(const char* name) const { return main->findChild<QWidget*>(QLatin1String(name)); }
    void type(const char* name, const QString& text) { QTest::keyClicks(control(name), text); }
    void enter(const char* name) { QTest::keyClick(control(name), Qt::Key_Return); }
    void typeAndEnter(const char* name, const QString& text)
    {
        type(name, text);
        enter(name);
    }

    QLineEdit* edit(const char* name) const;
    QComboBox* combo(const char* name) const;
    QPushButton* button(const char* name) const;
    QString label(const char* name) const;
    QListView* listing() const;
    QStringList listedLines() const;
    // A user's click on the listed line of a record.
    void chooseListedLine(const QByteArray& record) const;

    QTemporaryDir dir;
    FakePlatform fake;
    Logbook logbook;
    Platform platform;
    std::unique_ptr<MainWindow> main;
};
