#include "texts/RulesWindow.h"

#include "widgets/SecondaryWindows.h"
#include "platform/Screen.h"
#include "texts/RulesTexts.h"
#include "ui_RulesWindow.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>

RulesWindow::RulesWindow(const Content& content, const Screen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::RulesWindow>())
{
    m_ui->setupUi(this);
    setObjectName(content.name);
    setWindowTitle(content.caption);
    m_ui->Label1->setText(content.title);
    m_ui->Texte->addItems(content.lines);

    // Wide and tall enough to read the whole text without scrolling, as far as the screen allows.
    const QListWidget& text = *m_ui->Texte;
    const QFontMetrics metrics(text.font());
    int widest = 0;
    for (const QString& line : content.lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int frame
        = 2 * text.frameWidth() + 2 * (text.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int scrollBar = text.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QRect area = screen.area();
    m_ui->Texte->setMinimumWidth(std::min(widest + frame + scrollBar + 8, area.width() * 9 / 10 - 40));
    const int rowHeight = std::max(text.sizeHintForRow(0), metrics.lineSpacing());
    m_ui->Texte->setMinimumHeight(
        std::min(rowHeight * int(content.lines.size()) + frame + 4, area.height() * 3 / 4 - 60));

    resize(sizeHint());
    placeCentred(*this, screen);
}

RulesWindow::~RulesWindow() = default;

RulesWindow::Content RulesWindow::reglement10M()
{
    return {QStringLiteral("Reglement_10M"), QStringLiteral("Règlement 10 Millions"),
        QStringLiteral("Règlement du Diplôme 10 Millions"), reglement10Millions()};
}

RulesWindow::Content RulesWindow::reglementDvf()
{
    return {QStringLiteral("Reglement_DVF"), QStringLiteral("Règlement du DVF"),
        QStringLiteral("Règlement du Diplôme des Villes Françaises"), ::reglementDvf()};
}
