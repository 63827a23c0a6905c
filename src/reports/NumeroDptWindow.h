#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Numero_Dpt;
}
class MainWindow;

// Asks for a département and lists it in the main window. Small letters typed become capitals,
// so "2a" finds the Corsican postal codes as the log holds them.
class NumeroDptWindow : public QWidget
{
    Q_OBJECT

public:
    explicit NumeroDptWindow(MainWindow& main);
    ~NumeroDptWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterPressed();

    std::unique_ptr<Ui::Numero_Dpt> m_ui;
    MainWindow& m_main;
};
