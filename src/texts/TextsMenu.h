#pragma once

#include <QObject>

class MainWindow;

// Wires the rules windows and the DFCF list into the main window.
class TextsMenu : public QObject
{
    Q_OBJECT

public:
    explicit TextsMenu(MainWindow& main);

private:
    MainWindow& m_main;
};
