#include "app/FieldColour.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void markWaiting(QWidget* field, bool waiting)
{
    QPalette palette = field->palette();
    const QColor normal = QApplication::palette(field).color(QPalette::Active, QPalette::Base);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, waiting ? kWaitingColour : normal);
    field->setPalette(palette);
}

bool isMarkedWaiting(const QWidget* field)
{
    return field->palette().color(QPalette::Active, QPalette::Base) == kWaitingColour;
}
