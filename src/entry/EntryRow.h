#pragma once

#include <QObject>

class MainWindow;

// Wires the entry row: field checks, look-up, saving, modifying and cancelling into the main window.
class EntryRow : public QObject
{
    Q_OBJECT

public:
    explicit EntryRow(MainWindow& main);

private:
    MainWindow& m_main;
};
