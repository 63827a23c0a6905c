#include "dvf/DvfMenu.h"

#include "app/ClockTexts.h"
#include "dvf/DvfResults.h"
#include "dvf/DvfWindow.h"
#include "dvf/TownList.h"
#include "dvf/TownsWindow.h"
#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "reports/PrintJob.h"
#include "widgets/SecondaryWindows.h"

DvfMenu::DvfMenu(AppContext context, QWidget* parent)
    : QObject(parent)
    , m_context(context)
    , m_parent(parent)
{ }

void DvfMenu::showResults()
{
    showSecondaryAndProblems(
        m_results, m_context.platform.messages, [&] { return new DvfWindow(m_context, m_parent); });
}

void DvfMenu::showTowns()
{
    showSecondaryAndProblems(m_towns, m_context.platform.messages,
        [&] { return new TownsWindow(m_context.logbook.appDir(), m_context.platform.screen, m_parent); });
}

void DvfMenu::printResults()
{
    Logbook& logbook = m_context.logbook;
    Messages& messages = m_context.platform.messages;

    // Without the list or the log the printout could only claim that nothing is confirmed.
    const DvfSources sources
        = readTownListAndLog(logbook.appDir(), logbook.stationLog(), logbook.Indicatif_Station());
    if (!sources.problems.isEmpty()) {
        messages.inform(sources.problems.join(QStringLiteral("\r\n"))
            + QStringLiteral("\r\n\r\nLes résultats du DVF ne sont pas imprimés."));
        return;
    }

    // The clock's date label is empty until its first tick, a second after start-up.
    QString date = logbook.dateShown;
    if (date.isEmpty())
        date = Date_UTC(m_context.platform.clock);

    const PrintOutcome outcome
        = printWithFont(m_context.platform.printer, QStringLiteral("Courier New"), 10, [&] {
              const DvfTowns towns = confirmedTowns(sources.towns, sources.log);
              logbook.Nb_Villes_Confirmees = towns.confirmed;
              return dvfPrintout(logbook.Indicatif_Station(), date, towns);
          });
    if (outcome == PrintOutcome::Failed)
        messages.inform(QStringLiteral("L'impression des résultats du DVF a échoué : l'imprimante n'a pas "
                                       "reçu le document."));
}
