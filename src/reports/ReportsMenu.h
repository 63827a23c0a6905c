#pragma once

#include <QObject>

class MainWindow;

// Wires listing windows, summary, report files and printed reports into the main window.
class ReportsMenu : public QObject
{
    Q_OBJECT

public:
    explicit ReportsMenu(MainWindow& main);

private:
    MainWindow& m_main;
};
