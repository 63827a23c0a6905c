#include "dvf/DvfMenu.h"

#include "app/MainWindow.h"

DvfMenu::DvfMenu(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{ }
