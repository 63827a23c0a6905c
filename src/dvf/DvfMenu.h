#pragma once

#include <QObject>

class MainWindow;

// Wires the DVF award windows and printout into the main window.
class DvfMenu : public QObject
{
    Q_OBJECT

public:
    explicit DvfMenu(MainWindow& main);

private:
    MainWindow& m_main;
};
