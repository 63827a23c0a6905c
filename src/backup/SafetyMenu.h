#pragma once

#include "app/AppContext.h"

#include <QObject>
#include <QPointer>

class BackupsWindow;
class QAction;
class QMenu;
class QWidget;

// The safety nets of the "Fichier" menu: undo and redo of this session's changes (Ctrl+Z,
// Ctrl+Y), the backups window and the restore of a backup. Creating it turns on the logbook's
// daily backups.
class SafetyMenu : public QObject
{
    Q_OBJECT

public:
    // fichier: the menu the entries go into, ahead of what it holds; parent: the main window.
    SafetyMenu(AppContext context, QMenu* fichier, QWidget* parent);

    void Annuler();
    void Retablir();
    void showBackups();

Q_SIGNALS:
    // The log was put back by an undo, a redo or a restore: the entry row starts afresh and the
    // listing shows the département concerned (all of the log when empty).
    void logPutBack(const QString& dpt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void replay(bool back);
    void showHistory();

    AppContext m_context;
    QWidget* m_parent;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QPointer<BackupsWindow> m_backups;
};
