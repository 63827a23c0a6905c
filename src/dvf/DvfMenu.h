#pragma once

#include "app/AppContext.h"

#include <QObject>
#include <QPointer>

class DvfWindow;
class QWidget;
class TownsWindow;

// The DVF award: its results window, the towns to contact and the printed results.
class DvfMenu : public QObject
{
    Q_OBJECT

public:
    // parent: the window the secondary windows belong to.
    DvfMenu(AppContext context, QWidget* parent);

    void showResults();
    void showTowns();
    void printResults();

private:
    AppContext m_context;
    QWidget* m_parent;
    QPointer<DvfWindow> m_results;
    QPointer<TownsWindow> m_towns;
};
