#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Liste_Villes;
}
class Screen;

// The towns to contact for the DVF: each département once, by the first line of its town.
class TownsWindow : public QWidget
{
    Q_OBJECT

public:
    TownsWindow(const QString& appDir, const Screen& screen, QWidget* parent = nullptr);
    ~TownsWindow() override;

    // What could not be read as the window opened, in French; empty when the list was read.
    QString problems() const { return m_problems; }

private:
    std::unique_ptr<Ui::Liste_Villes> m_ui;
    QString m_problems;
};
