#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Recapitulatif;
}
class MainWindow;

// The summary sheet of the whole log, counted once when the window opens.
class SummaryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryWindow(MainWindow& main);
    ~SummaryWindow() override;

private:
    std::unique_ptr<Ui::Recapitulatif> m_ui;
};
