#include "reports/NumeroDptWindow.h"

#include "platform/Messages.h"
#include "platform/Platform.h"
#include "ui_NumeroDptWindow.h"
#include "widgets/SecondaryWindows.h"

#include <QKeyEvent>

NumeroDptWindow::NumeroDptWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::Numero_Dpt>())
    , m_platform(platform)
{
    m_ui->setupUi(this);
    m_ui->Num_Dep->setFixedWidth(m_ui->Num_Dep->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14);
    m_ui->Num_Dep->installEventFilter(this);
    connect(m_ui->Num_Dep, &QLineEdit::returnPressed, this, &NumeroDptWindow::enterPressed);

    setFixedSize(sizeHint());
    placeCentred(*this, m_platform.screen);
    m_ui->Num_Dep->setFocus();
}

NumeroDptWindow::~NumeroDptWindow() = default;

bool NumeroDptWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->Num_Dep && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.size() == 1 && typed[0] >= QLatin1Char('a') && typed[0] <= QLatin1Char('z')
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            m_ui->Num_Dep->insert(typed.toUpper());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NumeroDptWindow::enterPressed()
{
    const QString dpt = m_ui->Num_Dep->text();
    Messages& messages = m_platform.messages;
    if (dpt.isEmpty()) {
        messages.inform(QStringLiteral("Entrez un Département"));
        return;
    }
    if (dpt.size() != 2) {
        messages.inform(QStringLiteral("2 caracteres pour le Département"));
        return;
    }
    Q_EMIT departementChosen(dpt);
    close();
}
