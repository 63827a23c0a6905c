#include "reports/ReportsMenu.h"

#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/SecondaryWindows.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "reports/ListingWindow.h"
#include "reports/NumeroDptWindow.h"
#include "reports/ReportFiles.h"
#include "reports/SummaryWindow.h"
#include "ui_MainWindow.h"

ReportsMenu::ReportsMenu(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{
    Ui::Main& ui = main.ui();
    connect(ui.Affiche_Un, &QPushButton::clicked, this,
        [this] { showSecondary(m_numeroDpt, [this] { return new NumeroDptWindow(m_main); }); });
    connect(ui.Mnu_Recap, &QAction::triggered, this,
        [this] { showSecondary(m_recapitulatif, [this] { return new SummaryWindow(m_main); }); });
    connect(ui.Mnu_C_Contacte, &QAction::triggered, this,
        [this] { showListing(m_affContacte, Selection::Contacte); });
    connect(ui.Mnu_C_Confirme, &QAction::triggered, this,
        [this] { showListing(m_affConfirme, Selection::Confirme); });
    connect(ui.Mnu_non_confirme, &QAction::triggered, this,
        [this] { showListing(m_affNonConfirme, Selection::NonConfirme); });
    connect(ui.Mnu_Enr_Confirme, &QAction::triggered, this, &ReportsMenu::Enregistre_Confirme);
    connect(ui.Mnu_Enr_Contacte, &QAction::triggered, this, &ReportsMenu::Enregistre_Contacte);
    connect(ui.Mnu_Imp_Confirme, &QAction::triggered, this, &ReportsMenu::Imprime_Confirme);
    connect(ui.Mnu_Imp_Contacte, &QAction::triggered, this, &ReportsMenu::Imprime_Contacte);
}

void ReportsMenu::showListing(QPointer<ListingWindow>& slot, Selection selection)
{
    showSecondary(slot, [&] { return new ListingWindow(m_main, selection); });
}

void ReportsMenu::save(Report report)
{
    AppContext& context = m_main.context();
    const ReportSaving saving = saveReport(report, context.state.appDir, context.state.Indicatif_Station,
        context.platform.clock.localNow().date(), m_main.ui().Tot_Points->text());
    context.platform.messages.inform(saving.message);
}

void ReportsMenu::print(Report report)
{
    AppContext& context = m_main.context();
    QString message;
    const PrintOutcome outcome
        = printReport(report, context.platform.printer, context.state.appDir, context.state.Indicatif_Station,
            context.platform.clock.localNow().date(), m_main.ui().Tot_Points->text(), &message);
    if (outcome == PrintOutcome::Failed)
        context.platform.messages.inform(message);
}
