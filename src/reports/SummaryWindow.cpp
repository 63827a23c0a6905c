#include "reports/SummaryWindow.h"

#include "dvf/TownList.h"
#include "map/Chase.h"
#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "reports/Summary.h"
#include "ui_SummaryWindow.h"
#include "widgets/SecondaryWindows.h"

SummaryWindow::SummaryWindow(AppContext context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::Recapitulatif>())
{
    m_ui->setupUi(this);
    // The progress toward the awards, filled before the window takes its size. A missing town
    // list counts no DVF town here; the DVF windows and the map say what is missing.
    QString readError;
    const QList<QByteArray> log = context.logbook.read(&readError);
    const DvfSources towns = readTownList(context.logbook.appDir());
    const ChaseProgress progress = progressOf(chaseOf(log, towns.towns));
    m_ui->pointsProgress->setText(progress.points);
    m_ui->departementsProgress->setText(progress.departements);
    m_ui->dvfProgress->setText(progress.dvf);

    const int boxWidth
        = m_ui->NB_E_Quelvar->fontMetrics().horizontalAdvance(QStringLiteral("000000000.0")) + 16;
    for (QLineEdit* box : {m_ui->Nb_C_Contacte, m_ui->Nb_C_Confirme, m_ui->Nb_D_Contacte, m_ui->Nb_D_Confirme,
             m_ui->NB_E_DFCF, m_ui->NB_E_Quelvar})
        box->setFixedWidth(boxWidth);
    setFixedSize(sizeHint());
    placeCentred(*this, context.platform.screen);

    if (!readError.isEmpty())
        context.platform.messages.inform(readError);
    const Summary summary = summarise(log);
    m_ui->Nb_C_Contacte->setText(summary.Nb_C_Contacte);
    m_ui->Nb_C_Confirme->setText(summary.Nb_C_Confirme);
    m_ui->Nb_D_Contacte->setText(summary.Nb_D_Contacte);
    m_ui->Nb_D_Confirme->setText(summary.Nb_D_Confirme);
    m_ui->NB_E_DFCF->setText(summary.NB_E_DFCF);
    m_ui->NB_E_Quelvar->setText(summary.NB_E_Quelvar);
}

SummaryWindow::~SummaryWindow() = default;
