#include "platform/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton show(const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(
        QMessageBox::NoIcon, QStringLiteral("Kerlanic"), text, buttons, QApplication::activeWindow());
    // Messages carry what the user typed (a callsign, a town, a file name): shown as typed,
    // never read as markup.
    box.setTextFormat(Qt::PlainText);
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
