#pragma once

#include <QObject>
#include <QPointer>

class MainWindow;
class DvfWindow;
class TownsWindow;

// Wires the DVF award windows and printout into the main window.
class DvfMenu : public QObject
{
    Q_OBJECT

public:
    explicit DvfMenu(MainWindow& main);

private:
    void showResults();
    void showTowns();
    void printResults();

    MainWindow& m_main;
    QPointer<DvfWindow> m_results;
    QPointer<TownsWindow> m_towns;
};
