#include "texts/TextsMenu.h"

#include "app/MainWindow.h"
#include "app/SecondaryWindows.h"
#include "app/StationSettings.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "texts/DfcfPage.h"
#include "texts/DfcfWindow.h"
#include "texts/RulesWindow.h"
#include "ui_MainWindow.h"

TextsMenu::TextsMenu(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{
    Ui::Main& ui = main.ui();
    connect(ui.Mnu_Regle_10Millions, &QAction::triggered, this, &TextsMenu::showRules10M);
    connect(ui.Mnu_Reglement_DVF, &QAction::triggered, this, &TextsMenu::showRulesDvf);
    connect(ui.Liste_DFCF, &QPushButton::clicked, this, &TextsMenu::showDfcfList);
}

void TextsMenu::showRules10M()
{
    showSecondary(m_rules10M, [&] {
        return new RulesWindow(RulesWindow::reglement10M(), m_main.context().platform.screen, &m_main);
    });
}

void TextsMenu::showRulesDvf()
{
    showSecondary(m_rulesDvf, [&] {
        return new RulesWindow(RulesWindow::reglementDvf(), m_main.context().platform.screen, &m_main);
    });
}

void TextsMenu::showDfcfList()
{
    // Read at each opening, so an address corrected in the settings is tried at once.
    const Platform& platform = m_main.context().platform;
    const QUrl address = dfcfListUrl(
        platform.settings.read(StationSettings::kGlobalSection, StationSettings::kAdresseDfcf, kDfcfHost));
    showSecondary(m_dfcf, [&] { return new DfcfWindow(address, platform.screen, &m_main); });
}
