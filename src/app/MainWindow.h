#pragma once

#include "app/AppContext.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace Ui {
class Main;
}
class DvfMenu;
class QTimer;
class ReportsMenu;
class StationWindow;
class TextsMenu;
struct Listing;

// The main window: station banner, clock, entry row, listing and the menus that open every
// other window. It holds no rule of its own: it runs the start-up sequence and connects the
// logbook, the entry row, the listing and the menus to one another.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(Logbook& logbook, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: lists, station from the settings, first-installation warning,
    // points total, title. Shows the window.
    void startUp();

    // Liste_CP shows one département of the log, or the whole log, read afresh.
    void Liste_Dpt(const QString& dpt);
    void Liste_Tous();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpLook();
    void connectEntryAndListing();
    void connectMenus();
    void showListing(const Listing& listing);
    void showStation();
    void showClock();

    void quit();
    void showHistory();
    void showAbout();
    void showManual();
    void startSearchProgram();
    void showStationWindow();

    std::unique_ptr<Ui::Main> m_ui;
    Logbook& m_logbook;
    Platform& m_platform;
    QTimer* m_clockTimer = nullptr;
    ReportsMenu* m_reports = nullptr;
    DvfMenu* m_dvf = nullptr;
    TextsMenu* m_texts = nullptr;
    QPointer<StationWindow> m_stationWindow;
};
