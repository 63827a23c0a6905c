#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Numero_Dpt;
}
struct Platform;

// Asks for a département and lists it in the main window. Small letters typed become capitals,
// so "2a" finds the Corsican postal codes as the log holds them.
class NumeroDptWindow : public QWidget
{
    Q_OBJECT

public:
    NumeroDptWindow(Platform& platform, QWidget* parent);
    ~NumeroDptWindow() override;

Q_SIGNALS:
    // The département typed, two characters, to be listed.
    void departementChosen(const QString& dpt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterPressed();

    std::unique_ptr<Ui::Numero_Dpt> m_ui;
    Platform& m_platform;
};
