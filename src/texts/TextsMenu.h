#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class MainWindow;
class RulesWindow;
class DfcfWindow;

// Wires the rules windows and the DFCF list into the main window.
class TextsMenu : public QObject
{
    Q_OBJECT

public:
    explicit TextsMenu(MainWindow& main);

    // Where the DFCF list is fetched from; the award manager's page unless changed.
    void setDfcfAddress(const QUrl& address) { m_dfcfAddress = address; }

private:
    void showRules10M();
    void showRulesDvf();
    void showDfcfList();

    MainWindow& m_main;
    QPointer<RulesWindow> m_rules10M;
    QPointer<RulesWindow> m_rulesDvf;
    QPointer<DfcfWindow> m_dfcf;
    QUrl m_dfcfAddress;
};
