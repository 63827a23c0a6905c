#include "reports/ReportsMenu.h"

#include "model/Logbook.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "reports/ListingWindow.h"
#include "reports/NumeroDptWindow.h"
#include "reports/ReportFiles.h"
#include "reports/SummaryWindow.h"
#include "widgets/SecondaryWindows.h"

ReportsMenu::ReportsMenu(AppContext context, QWidget* parent)
    : QObject(parent)
    , m_context(context)
    , m_parent(parent)
{ }

void ReportsMenu::showNumeroDpt()
{
    showSecondary(m_numeroDpt, [this] {
        auto* window = new NumeroDptWindow(m_context.platform, m_parent);
        connect(window, &NumeroDptWindow::departementChosen, this, &ReportsMenu::departementChosen);
        return window;
    });
}

void ReportsMenu::showRecapitulatif()
{
    showSecondary(m_recapitulatif, [this] { return new SummaryWindow(m_context, m_parent); });
}

void ReportsMenu::showListing(QPointer<ListingWindow>& slot, Selection selection)
{
    showSecondary(slot, [&] { return new ListingWindow(m_context, selection, m_parent); });
}

void ReportsMenu::save(Report report)
{
    const Logbook& logbook = m_context.logbook;
    Platform& platform = m_context.platform;
    const ReportSaving saving = saveReport(report, logbook.appDir(), logbook.Indicatif_Station(),
        platform.clock.localNow().date(), logbook.total());
    platform.messages.inform(saving.message);
}

void ReportsMenu::print(Report report)
{
    const Logbook& logbook = m_context.logbook;
    Platform& platform = m_context.platform;
    QString message;
    const PrintOutcome outcome = printReport(report, platform.printer, logbook.appDir(),
        logbook.Indicatif_Station(), platform.clock.localNow().date(), logbook.total(), &message);
    if (outcome == PrintOutcome::Failed)
        platform.messages.inform(message);
}
