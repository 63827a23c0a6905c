#include "reports/NumeroDptWindow.h"

#include "app/MainWindow.h"
#include "app/SecondaryWindows.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "ui_NumeroDptWindow.h"

#include <QKeyEvent>

NumeroDptWindow::NumeroDptWindow(MainWindow& main)
    : QWidget(&main, Qt::Window)
    , m_ui(std::make_unique<Ui::Numero_Dpt>())
    , m_main(main)
{
    m_ui->setupUi(this);
    m_ui->Num_Dep->setFixedWidth(m_ui->Num_Dep->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14);
    m_ui->Num_Dep->installEventFilter(this);
    connect(m_ui->Num_Dep, &QLineEdit::returnPressed, this, &NumeroDptWindow::enterPressed);

    setFixedSize(sizeHint());
    placeCentred(*this, m_main.context().platform.screen);
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
    Messages& messages = m_main.context().platform.messages;
    if (dpt.isEmpty()) {
        messages.inform(QStringLiteral("Entrez un Département"));
        return;
    }
    if (dpt.size() != 2) {
        messages.inform(QStringLiteral("2 caracteres pour le Département"));
        return;
    }
    m_main.Liste_Dpt(dpt);
    close();
}
