#include "texts/TextsMenu.h"

#include "platform/Platform.h"
#include "texts/DfcfPage.h"
#include "texts/DfcfWindow.h"
#include "texts/RulesWindow.h"
#include "widgets/SecondaryWindows.h"

TextsMenu::TextsMenu(AppContext context, QWidget* parent)
    : QObject(parent)
    , m_context(context)
    , m_parent(parent)
    , m_dfcfAddress(dfcfListUrl())
{ }

void TextsMenu::showRules10M()
{
    showSecondary(m_rules10M,
        [&] { return new RulesWindow(RulesWindow::reglement10M(), m_context.platform.screen, m_parent); });
}

void TextsMenu::showRulesDvf()
{
    showSecondary(m_rulesDvf,
        [&] { return new RulesWindow(RulesWindow::reglementDvf(), m_context.platform.screen, m_parent); });
}

void TextsMenu::showDfcfList()
{
    showSecondary(
        m_dfcf, [&] { return new DfcfWindow(m_dfcfAddress, m_context.platform.screen, m_parent); });
}
