#include "platform/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton show(const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(
        QMessageBox::NoIcon, QStringLiteral("Kerlanic"), text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void QtMessages::inform(const QString& text)
{
    show(text, QMessageBox::Ok);
}

bool QtMessages::ask(const QString& text)
{
    return show(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
