#pragma once

#include "app/AppContext.h"
#include "reports/ReportLines.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Aff_Liste;
}

// One of the three numbered listings of the log (contacted, confirmed, non-confirmed), filled
// once when the window opens.
class ListingWindow : public QWidget
{
    Q_OBJECT

public:
    ListingWindow(AppContext context, Selection selection, QWidget* parent);
    ~ListingWindow() override;

private:
    std::unique_ptr<Ui::Aff_Liste> m_ui;
};
