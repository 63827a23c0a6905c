#pragma once

#include "entry/TypedKeys.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Station;
}
class MainWindow;

// "Nouvel Indicatif": the user types the station's callsign and postal code and clicks
// "Validez"; the main window then works on that station's log.
class StationWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StationWindow(MainWindow& main);
    ~StationWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Validation();

    std::unique_ptr<Ui::Station> m_ui;
    MainWindow& m_main;
    KeyRetyper m_retyper;
};
