#include "texts/TextsMenu.h"

#include "app/MainWindow.h"

TextsMenu::TextsMenu(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{ }
