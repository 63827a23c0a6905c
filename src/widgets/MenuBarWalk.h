#pragma once

#include <QObject>

class QMenuBar;

// Walks a menu bar from the keyboard, F10 first, over the commands that have no menu
// (Récapitulatif) as over the menus. Outside the Windows style, Qt's menu bar leaves such a
// command highlighted with no key reaching it: the arrows stop there and Enter goes to the
// entry row. Here the arrows go on to the next or previous title, Enter or Space runs the
// command and Escape leaves the bar. Only a walk begun from the keyboard is carried on: a
// command the mouse passed over never takes the keys, and a click ends the walk.
class MenuBarWalk : public QObject
{
public:
    explicit MenuBarWalk(QMenuBar* bar);

    // Opens the first menu of the bar.
    void start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stop();
    bool step(int direction);

    QMenuBar* m_bar;
    bool m_walking = false;
};
