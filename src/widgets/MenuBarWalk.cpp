#include "widgets/MenuBarWalk.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

MenuBarWalk::MenuBarWalk(QMenuBar* bar)
    : QObject(bar)
    , m_bar(bar)
{
    connect(bar, &QMenuBar::triggered, this, &MenuBarWalk::stop);
}

void MenuBarWalk::start()
{
    const QList<QAction*> titles = m_bar->actions();
    if (titles.isEmpty())
        return;
    if (!m_walking)
        qApp->installEventFilter(this);
    m_walking = true;
    m_bar->setActiveAction(titles.front());
}

void MenuBarWalk::stop()
{
    if (m_walking)
        qApp->removeEventFilter(this);
    m_walking = false;
}

bool MenuBarWalk::step(int direction)
{
    const QList<QAction*> titles = m_bar->actions();
    const qsizetype count = titles.size();
    const qsizetype at = titles.indexOf(m_bar->activeAction());
    for (qsizetype i = 1; i < count; ++i) {
        QAction* next = titles[((at + direction * i) % count + count) % count];
        if (next->isVisible() && next->isEnabled() && !next->isSeparator()) {
            m_bar->setActiveAction(next);
            return true;
        }
    }
    return false;
}

bool MenuBarWalk::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        stop();
        return false;
    }
    // The open menus handle their own keys, and hand the arrows over to the bar.
    if (event->type() != QEvent::KeyPress || QApplication::activePopupWidget())
        return QObject::eventFilter(watched, event);
    QAction* command = m_bar->activeAction();
    if (!command || command->menu()) {
        stop();
        return false;
    }
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Right:
        return step(+1);
    case Qt::Key_Left:
        return step(-1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        stop();
        m_bar->setActiveAction(nullptr);
        command->trigger();
        return true;
    case Qt::Key_Escape:
        stop();
        m_bar->setActiveAction(nullptr);
        return true;
    default:
        stop();
        m_bar->setActiveAction(nullptr);
        return false;
    }
}
