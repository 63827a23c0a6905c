#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

// A screen reader announces a window by its role and its name. Qt gives a window made of a plain
// QWidget the role of a client area, which screen readers do not announce as a window: the
// program's windows (the Station window, the secondary windows, the help window, CodePostal)
// are given the role of a window, named by their caption, kept in step when the caption changes.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
};

// Qt asks the factories for each class of an object, the most derived first: answering only for
// "QWidget" leaves the main window, the message boxes and every control with the interface Qt
// gives them.
inline QAccessibleInterface* plainWindowAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow() || widget->windowType() != Qt::Window)
        return nullptr;
    return new WindowAccessible(widget);
}

// Called by each program's first window; installing twice changes nothing.
inline void announceWindowsByCaption()
{
    QAccessible::installFactory(&plainWindowAccessible);
}
