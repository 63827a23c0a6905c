#pragma once

#include <QObject>
#include <QPointer>

class MainWindow;
class RulesWindow;
class DfcfWindow;

// Wires the rules windows and the DFCF list into the main window.
class TextsMenu : public QObject
{
    Q_OBJECT

public:
    explicit TextsMenu(MainWindow& main);

private:
    void showRules10M();
    void showRulesDvf();
    void showDfcfList();

    MainWindow& m_main;
    QPointer<RulesWindow> m_rules10M;
    QPointer<RulesWindow> m_rulesDvf;
    QPointer<DfcfWindow> m_dfcf;
};
