#include "widgets/FieldColour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QWidget>

void markWaiting(QWidget* field, bool waiting)
{
    // A box paints its inside with Base, a button with Button. Back to normal means the style's
    // own colours, disabled boxes greyed as everywhere else.
    const QPalette::ColorRole role
        = qobject_cast<QAbstractButton*>(field) ? QPalette::Button : QPalette::Base;
    QPalette palette = field->palette();
    const QPalette normal = QApplication::palette(field);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, waiting ? kWaitingColour : normal.color(group, role));
    field->setPalette(palette);
}

bool isMarkedWaiting(const QWidget* field)
{
    const QPalette::ColorRole role
        = qobject_cast<const QAbstractButton*>(field) ? QPalette::Button : QPalette::Base;
    return field->palette().color(QPalette::Active, role) == kWaitingColour;
}
