#pragma once

#include "reports/ReportLines.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Aff_Liste;
}
class MainWindow;

// One of the three numbered listings of the log (contacted, confirmed, non-confirmed), filled
// once when the window opens.
class ListingWindow : public QWidget
{
    Q_OBJECT

public:
    ListingWindow(MainWindow& main, Selection selection);
    ~ListingWindow() override;

private:
    std::unique_ptr<Ui::Aff_Liste> m_ui;
};
