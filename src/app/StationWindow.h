#pragma once

#include "app/AppContext.h"
#include "widgets/KeyRetyper.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Station;
}

// "Nouvel Indicatif": the user types the station's callsign and postal code and clicks
// "Validez"; the main window then works on that station's log.
class StationWindow : public QWidget
{
    Q_OBJECT

public:
    StationWindow(AppContext context, QWidget* parent);
    ~StationWindow() override;

Q_SIGNALS:
    // The station was set up and the logbook now works on its log.
    void stationSetUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Validation();

    std::unique_ptr<Ui::Station> m_ui;
    AppContext m_context;
    KeyRetyper m_retyper;
};
