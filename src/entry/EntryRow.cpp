#include "entry/EntryRow.h"

#include "app/MainWindow.h"

EntryRow::EntryRow(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{ }
