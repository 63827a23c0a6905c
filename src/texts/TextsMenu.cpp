#include "texts/TextsMenu.h"

#include "app/StationSettings.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "texts/DfcfPage.h"
#include "texts/DfcfWindow.h"
#include "texts/RulesWindow.h"
#include "widgets/SecondaryWindows.h"

TextsMenu::TextsMenu(AppContext context, QWidget* parent)
    : QObject(parent)
    , m_context(context)
    , m_parent(parent)
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
    // Read at each opening, so an address corrected in the settings is tried at once.
    const Platform& platform = m_context.platform;
    const QUrl address = dfcfListUrl(
        platform.settings.read(StationSettings::kGlobalSection, StationSettings::kAdresseDfcf, kDfcfHost));
    showSecondary(m_dfcf, [&] { return new DfcfWindow(address, platform.screen, m_parent); });
}
