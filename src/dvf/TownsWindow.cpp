#include "dvf/TownsWindow.h"

#include "widgets/Fonts.h"
#include "widgets/SecondaryWindows.h"
#include "widgets/ColumnHeads.h"
#include "dvf/DvfResults.h"
#include "dvf/TownList.h"
#include "ui_TownsWindow.h"

namespace {
// Where the heads stand over a town line: " 45  45000 Orléans".
const QList<int> kHeadColumns {1, 6, 11};
constexpr int kLineLength = 43;
constexpr int kShownLines = 24;
} // namespace

TownsWindow::TownsWindow(const QString& appDir, const Screen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::Liste_Villes>())
{
    m_ui->setupUi(this);
    m_ui->ListeVilles->setFont(listingFont(true));
    m_ui->Label3->follow(m_ui->ListeVilles, kHeadColumns);
    fitListToLines(*m_ui->ListeVilles, kLineLength, kShownLines);

    const DvfSources sources = readTownList(appDir);
    m_ui->ListeVilles->addItems(townsToContact(sources.towns));
    m_problems = sources.problems.join(QStringLiteral("\r\n"));

    resize(sizeHint());
    placeCentred(*this, screen);
}

TownsWindow::~TownsWindow() = default;
