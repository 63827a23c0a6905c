#include "dvf/DvfMenu.h"

#include "app/ClockTexts.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/SecondaryWindows.h"
#include "dvf/DvfResults.h"
#include "dvf/DvfWindow.h"
#include "dvf/TownList.h"
#include "dvf/TownsWindow.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "reports/PrintJob.h"
#include "ui_MainWindow.h"

DvfMenu::DvfMenu(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{
    Ui::Main& ui = main.ui();
    connect(ui.Mnu_Diplome, &QAction::triggered, this, &DvfMenu::showResults);
    connect(ui.Mnu_Liste_Villes, &QAction::triggered, this, &DvfMenu::showTowns);
    connect(ui.Mnu_Imp_Resultats, &QAction::triggered, this, &DvfMenu::printResults);
}

void DvfMenu::showResults()
{
    const bool opening = !m_results;
    DvfWindow* window = showSecondary(m_results, [&] { return new DvfWindow(m_main.context(), &m_main); });
    // Said once the window stands on screen, so the user sees what stays empty and why.
    if (opening && !window->problems().isEmpty())
        m_main.context().platform.messages.inform(window->problems());
}

void DvfMenu::showTowns()
{
    const bool opening = !m_towns;
    AppContext& context = m_main.context();
    TownsWindow* window = showSecondary(
        m_towns, [&] { return new TownsWindow(context.state.appDir, context.platform.screen, &m_main); });
    if (opening && !window->problems().isEmpty())
        context.platform.messages.inform(window->problems());
}

void DvfMenu::printResults()
{
    AppContext& context = m_main.context();
    ProgramState& state = context.state;
    Messages& messages = context.platform.messages;

    // Without the list or the log the printout could only claim that nothing is confirmed.
    const DvfSources sources = readTownListAndLog(state.appDir, state.stationLog(), state.Indicatif_Station);
    if (!sources.problems.isEmpty()) {
        messages.inform(sources.problems.join(QStringLiteral("\r\n"))
            + QStringLiteral("\r\n\r\nLes résultats du DVF ne sont pas imprimés."));
        return;
    }

    // The clock's date label is empty until its first tick, a second after start-up.
    QString date = m_main.ui().Label33->text();
    if (date.isEmpty())
        date = Date_UTC(context.platform.clock);

    const PrintOutcome outcome
        = printWithFont(context.platform.printer, QStringLiteral("Courier New"), 10, [&] {
              const DvfTowns towns = confirmedTowns(sources.towns, sources.log);
              state.Nb_Villes_Confirmees = towns.confirmed;
              return dvfPrintout(state.Indicatif_Station, date, towns);
          });
    if (outcome == PrintOutcome::Failed)
        messages.inform(QStringLiteral("L'impression des résultats du DVF a échoué : l'imprimante n'a pas "
                                       "reçu le document."));
}
