#include "app/StationWindow.h"

#include "app/StationSetup.h"
#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "ui_StationWindow.h"
#include "widgets/FieldColour.h"
#include "widgets/SecondaryWindows.h"

#include <QFontMetrics>
#include <QKeyEvent>

StationWindow::StationWindow(AppContext context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::Station>())
    , m_context(context)
{
    m_ui->setupUi(this);
    const QFontMetrics metrics(m_ui->New_Indicatif->font());
    m_ui->New_Indicatif->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("W")) * 12 + 16);
    m_ui->New_CP->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("0")) * 8 + 16);
    m_ui->New_Indicatif->installEventFilter(this);
    m_ui->New_CP->installEventFilter(this);
    connect(m_ui->Validation, &QPushButton::clicked, this, &StationWindow::Validation);

    // The callsign waits first. The boxes always open empty: the station in use is on the main
    // window's banner.
    markWaiting(m_ui->New_Indicatif, true);
    markWaiting(m_ui->New_CP, false);
    m_ui->New_Indicatif->clear();
    m_ui->New_CP->clear();
    adjustSize();
    setFixedSize(size());
    placeCentred(*this, m_context.platform.screen);
    m_ui->New_Indicatif->setFocus();
}

StationWindow::~StationWindow() = default;

bool StationWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || m_retyper.isRetyping()
        || (watched != m_ui->New_Indicatif && watched != m_ui->New_CP))
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool isCallsign = watched == m_ui->New_Indicatif;
    if (isEnterKey(*key)) {
        if (isCallsign) {
            markWaiting(m_ui->New_Indicatif, false);
            markWaiting(m_ui->New_CP, true);
            m_ui->New_CP->setFocus();
        } else {
            markWaiting(m_ui->New_CP, false);
            m_ui->Validation->setFocus();
        }
        return true;
    }
    // A "/" of a portable call goes in as "_": the callsign names the station's log file.
    const QString replaced = KeyRetyper::replacement(key->text(), isCallsign);
    if (replaced == key->text())
        return false;
    m_retyper.retype(watched, *key, replaced);
    return true;
}

void StationWindow::Validation()
{
    Messages& messages = m_context.platform.messages;
    const QString callsign = m_ui->New_Indicatif->text().toUpper();
    const QString postalCode = m_ui->New_CP->text().toUpper();
    if (const auto refusal = refuseStation(callsign, postalCode)) {
        messages.inform(refusal->message);
        if (refusal->emptiesCallsign)
            m_ui->New_Indicatif->clear();
        // Back to the box to correct, lit as the one that waits.
        QLineEdit* box = refusal->aboutPostalCode ? m_ui->New_CP : m_ui->New_Indicatif;
        markWaiting(m_ui->New_Indicatif, box == m_ui->New_Indicatif);
        markWaiting(m_ui->New_CP, box == m_ui->New_CP);
        box->setFocus();
        return;
    }
    const StationSetup setup
        = setUpStation(m_context.logbook.appDir(), m_context.platform.settings, callsign, postalCode);
    if (!setup.done) {
        messages.inform(setup.error);
        return;
    }
    m_context.logbook.setStation(setup.callsign, setup.postalCode);
    Q_EMIT stationSetUp();
    if (!setup.notRemembered.isEmpty())
        messages.inform(setup.notRemembered);
    close();
}
