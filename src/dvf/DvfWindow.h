#pragma once

#include "app/AppContext.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DVF;
}

// The DVF results: the towns of the list that the log holds, "*" for the confirmed ones. It
// counts them as it opens (Nb_Villes_Confirmees) and tells the class reached on "Résultats".
class DvfWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DvfWindow(AppContext context, QWidget* parent = nullptr);
    ~DvfWindow() override;

    // What could not be read as the window opened (town list, log), in French; empty when all was.
    QString problems() const { return m_problems; }

private:
    void showAward();

    std::unique_ptr<Ui::DVF> m_ui;
    AppContext m_context;
    QString m_problems;
};
