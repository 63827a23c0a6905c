#include "reports/ReportsMenu.h"

#include "app/MainWindow.h"

ReportsMenu::ReportsMenu(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{ }
