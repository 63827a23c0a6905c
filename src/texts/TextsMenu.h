#pragma once

#include "app/AppContext.h"

#include <QObject>
#include <QPointer>

class DfcfWindow;
class QWidget;
class RulesWindow;

// The rules of both awards and the DFCF reference list.
class TextsMenu : public QObject
{
    Q_OBJECT

public:
    // parent: the window the secondary windows belong to.
    TextsMenu(AppContext context, QWidget* parent);

    void showRules10M();
    void showRulesDvf();
    void showDfcfList();

private:
    AppContext m_context;
    QWidget* m_parent;
    QPointer<RulesWindow> m_rules10M;
    QPointer<RulesWindow> m_rulesDvf;
    QPointer<DfcfWindow> m_dfcf;
};
