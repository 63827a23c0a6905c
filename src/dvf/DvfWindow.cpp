#include "dvf/DvfWindow.h"

#include "dvf/DvfResults.h"
#include "dvf/TownList.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "model/Logbook.h"
#include "ui_DvfWindow.h"
#include "widgets/ColumnHeads.h"
#include "widgets/Fonts.h"
#include "widgets/SecondaryWindows.h"

namespace {
// Where the heads stand over a results line: "    7  45  45000 Orléans ... *".
const QList<int> kHeadColumns {3, 7, 12, 17, 39};
constexpr int kLineLength = 41;
constexpr int kShownLines = 24;
} // namespace

DvfWindow::DvfWindow(AppContext context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::DVF>())
    , m_context(context)
{
    m_ui->setupUi(this);
    m_ui->Liste_DVF->setFont(listingFont(true));
    m_ui->Label3->follow(m_ui->Liste_DVF, kHeadColumns);
    fitListToLines(*m_ui->Liste_DVF, kLineLength, kShownLines);
    connect(m_ui->Resultat, &QPushButton::clicked, this, &DvfWindow::showAward);

    Logbook& logbook = m_context.logbook;
    const DvfSources sources
        = readTownListAndLog(logbook.appDir(), logbook.stationLog(), logbook.Indicatif_Station());
    const DvfTowns towns = townsFound(sources.towns, sources.log);
    m_ui->Liste_DVF->addItems(towns.lines);
    logbook.Nb_Villes_Confirmees = towns.confirmed;
    m_problems = sources.problems.join(QStringLiteral("\r\n"));

    resize(sizeHint());
    placeCentred(*this, m_context.platform.screen);
}

DvfWindow::~DvfWindow() = default;

void DvfWindow::showAward()
{
    // The count may come from a printout made since the window opened: the last one stands.
    m_context.platform.messages.inform(awardMessage(m_context.logbook.Nb_Villes_Confirmees));
}
