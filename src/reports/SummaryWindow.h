#pragma once

#include "app/AppContext.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Recapitulatif;
}

// The summary sheet of the whole log, counted once when the window opens.
class SummaryWindow : public QWidget
{
    Q_OBJECT

public:
    SummaryWindow(AppContext context, QWidget* parent);
    ~SummaryWindow() override;

private:
    std::unique_ptr<Ui::Recapitulatif> m_ui;
};
