#include "codepostal/CodePostalWindow.h"

#include "platform/WindowAccessible.h"
#include "postal/PostalBase.h"
#include "postal/PostalSearchModel.h"
#include "ui_CodePostalWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

CodePostalWindow::CodePostalWindow(const PostalBase& base, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CodePostal>())
    , m_model(new PostalSearchModel(base, this))
{
    m_ui->setupUi(this);
    announceWindowsByCaption();
    m_ui->Resultats->setModel(m_model);
    QHeaderView* header = m_ui->Resultats->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(PostalSearchModel::CommuneColumn, QHeaderView::Stretch);
    const QFontMetrics metrics(m_ui->Resultats->font());
    header->resizeSection(
        PostalSearchModel::PostalCodeColumn, metrics.horizontalAdvance(QStringLiteral("Code Postal")) + 24);
    header->resizeSection(PostalSearchModel::DepartementColumn,
        metrics.horizontalAdvance(QStringLiteral("2A Alpes-de-Haute-Provence")) + 16);

    connect(m_ui->Saisie, &QLineEdit::textChanged, this, &CodePostalWindow::search);
    connect(m_ui->Saisie, &QLineEdit::returnPressed, this, [this] {
        copyRow(m_ui->Resultats->currentIndex().isValid() ? m_ui->Resultats->currentIndex().row() : 0);
    });
    connect(m_ui->Resultats, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex& index) { copyRow(index.row()); });
    // The arrows and page keys choose a result without leaving the search box; Enter in the
    // list copies like Enter in the box.
    m_ui->Saisie->installEventFilter(this);
    m_ui->Resultats->installEventFilter(this);

    if (base.entryCount() == 0) {
        m_ui->Saisie->setEnabled(false);
        m_ui->Etat->setText(
            QStringLiteral("La base des Codes Postaux est illisible : la recherche est impossible."));
    } else {
        m_ui->Etat->setText(promptText());
    }
    m_ui->Saisie->setFocus();
}

CodePostalWindow::~CodePostalWindow() = default;

QString CodePostalWindow::promptText()
{
    return QStringLiteral("Tapez un Code Postal, ou son début, ou le nom d'une commune.");
}

QString CodePostalWindow::countText(int rows)
{
    return (rows == 1 ? QStringLiteral("1 résultat") : QString::number(rows) + QStringLiteral(" résultats"))
        + QStringLiteral(". Entrée ou double-clic : copie le Code Postal dans le presse-papiers.");
}

QString CodePostalWindow::noResultText(const QString& search)
{
    // A long paste is echoed cut short: one unbroken word of it would widen the window past the
    // screen's edge.
    constexpr qsizetype kEchoed = 40;
    QString echoed = search.trimmed();
    if (echoed.size() > kEchoed)
        echoed = echoed.left(kEchoed) + QStringLiteral("…");
    return QStringLiteral("Aucune commune ne correspond à « ") + echoed + QStringLiteral(" ».");
}

QString CodePostalWindow::copiedText(const QString& postalCode, const QString& commune)
{
    return QStringLiteral("Code Postal ") + postalCode + QStringLiteral(" (") + commune
        + QStringLiteral(") copié dans le presse-papiers.");
}

void CodePostalWindow::search(const QString& text)
{
    m_model->setSearchText(text);
    const int rows = m_model->rowCount();
    if (rows > 0)
        m_ui->Resultats->setCurrentIndex(m_model->index(0, 0));
    if (text.trimmed().isEmpty())
        m_ui->Etat->setText(promptText());
    else if (rows == 0)
        m_ui->Etat->setText(noResultText(text));
    else
        m_ui->Etat->setText(countText(rows));
}

void CodePostalWindow::copyRow(int row)
{
    // The log's form, the one the entry row looks up: Corsica as 2A or 2B, not La Poste's 20.
    const QString code = m_model->logPostalCode(row);
    if (code.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(code);
    m_ui->Etat->setText(copiedText(code, m_model->commune(row)));
}

bool CodePostalWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_ui->Saisie) {
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_ui->Resultats, key);
            return true;
        default:
            break;
        }
    } else if (watched == m_ui->Resultats && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        if (m_ui->Resultats->currentIndex().isValid())
            copyRow(m_ui->Resultats->currentIndex().row());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
