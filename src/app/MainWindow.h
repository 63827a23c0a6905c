#pragma once

#include "app/AppContext.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace Ui {
class Main;
}
struct Listing;
class EntryRow;
class QTimer;
class StationWindow;

// The main window: station banner, clock, entry row, listing and the menus that open every
// other window. Each subsystem wires its own part of it (entry row, reports, DVF, texts).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppContext context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: lists, station from the settings, first-installation warning,
    // points total, title. Shows the window.
    void startUp();

    Ui::Main& ui() { return *m_ui; }
    AppContext& context() { return m_context; }

    // Puts a listing into Liste_CP and its caption on L_Communes, then waits for a postal code.
    void showListing(const Listing& listing);
    void Liste_Dpt(const QString& dpt);
    void Liste_Tous();
    // Tot_Points := the 10 Millions total of the log in use.
    void refreshTotal();
    // Lists a département and shows the total of a log just written, without reading it again.
    void showWrittenLog(const QList<QByteArray>& lines, const QString& dpt);
    // Selects in Bande_A and Mode_A the band and mode last used by the current station.
    void selectStationBandAndMode();
    // Works from now on with the station set up in the Station window: banner, band and mode,
    // listing of its own département, points total.
    void switchStation(const QString& callsign, const QString& postalCode);

    EntryRow& entryRow() { return *m_entryRow; }

Q_SIGNALS:
    // Another station's log is now in use.
    void stationChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpLook();
    void alignListingHeads();
    void wireOwnActions();
    void showClock();

    void quit();
    void showHistory();
    void showAbout();
    void showManual();
    void startSearchProgram();
    void showStationWindow();

    std::unique_ptr<Ui::Main> m_ui;
    AppContext m_context;
    QTimer* m_clockTimer = nullptr;
    EntryRow* m_entryRow = nullptr;
    QPointer<StationWindow> m_stationWindow;
};
