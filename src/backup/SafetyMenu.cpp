#include "backup/SafetyMenu.h"

#include "backup/BackupsWindow.h"
#include "backup/UndoHistory.h"
#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "widgets/SecondaryWindows.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

const QKeySequence kUndoKeys(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedoKeys(Qt::CTRL | Qt::Key_Y);

} // namespace

SafetyMenu::SafetyMenu(AppContext context, QMenu* fichier, QWidget* parent)
    : QObject(parent)
    , m_context(context)
    , m_parent(parent)
{
    Logbook& logbook = m_context.logbook;
    logbook.keepBackups(m_context.platform.clock, m_context.platform.settings);

    const auto entry = [&](const char* name, const QString& text, const QKeySequence& keys = {}) {
        auto* action = new QAction(text, fichier);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        return action;
    };
    m_undo = entry("Mnu_Annuler", QStringLiteral("Annuler la dernière modification"), kUndoKeys);
    m_redo = entry("Mnu_Retablir", QStringLiteral("Rétablir"), kRedoKeys);
    QAction* backups = entry("Mnu_Sauvegardes", QStringLiteral("Sauvegardes…"));
    QAction* restore = entry("Mnu_Restaurer", QStringLiteral("Restaurer une sauvegarde…"));
    QAction* before = fichier->actions().value(0);
    fichier->insertActions(before, {m_undo, m_redo});
    fichier->insertSeparator(before);
    fichier->insertActions(before, {backups, restore});
    fichier->insertSeparator(before);

    connect(m_undo, &QAction::triggered, this, &SafetyMenu::Annuler);
    connect(m_redo, &QAction::triggered, this, &SafetyMenu::Retablir);
    connect(backups, &QAction::triggered, this, &SafetyMenu::showBackups);
    connect(restore, &QAction::triggered, this, [this] {
        showBackups();
        m_backups->chooseList();
    });
    connect(&logbook, &Logbook::historyChanged, this, &SafetyMenu::showHistory);
    connect(&logbook, &Logbook::backupNotKept, this,
        [this](const QString& message) { m_context.platform.messages.inform(message); });
    showHistory();

    // The boxes of the entry row would take Ctrl+Z and Ctrl+Y for their own text: in the main
    // window these keys undo and redo changes of the log.
    qApp->installEventFilter(this);
}

bool SafetyMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_parent)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    // Not accepted, so the shortcut of the menu entry runs.
    return pressed == kUndoKeys || pressed == kRedoKeys;
}

void SafetyMenu::showHistory()
{
    m_undo->setEnabled(m_context.logbook.canUndo());
    m_redo->setEnabled(m_context.logbook.canRedo());
}

void SafetyMenu::Annuler()
{
    replay(true);
}

void SafetyMenu::Retablir()
{
    replay(false);
}

void SafetyMenu::replay(bool back)
{
    Logbook& logbook = m_context.logbook;
    Messages& messages = m_context.platform.messages;
    if (back ? !logbook.canUndo() : !logbook.canRedo())
        return;
    if (!messages.ask(back ? logbook.undoQuestion() : logbook.redoQuestion()))
        return;
    const RewriteResult result = back ? logbook.undo() : logbook.redo();
    if (!result.done) {
        messages.inform(result.reason);
        return;
    }
    Q_EMIT logPutBack(changedDepartement(result.previousLines, result.lines));
}

void SafetyMenu::showBackups()
{
    showSecondary(m_backups, [this] {
        auto* window = new BackupsWindow(m_context, m_parent);
        connect(window, &BackupsWindow::restored, this, [this] { Q_EMIT logPutBack({}); });
        return window;
    });
}
