#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class ListingPanel;
}
struct Listing;
class ListingModel;

// The main window's listing, L_Communes: its caption, the column heads and Liste_CP, one listing
// line per record. It is the only writer of Liste_CP; a line the user clicks, or the last line
// selected after a save, is reported as the chosen line.
class ListingPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit ListingPanel(QWidget* parent = nullptr);
    ~ListingPanel() override;

    // Shows the records of a listing under its caption; a null caption leaves the caption as it is
    // (a look-up in a département that the log does not hold yet).
    void setListing(const Listing& listing);
    // Selects the last line and scrolls to it, as a click on it would; an empty listing stays
    // without selection.
    void selectLast();

Q_SIGNALS:
    // Ligne_Choisie: the text of the line the user chose.
    void lineChosen(const QString& line);

private:
    void chooseCurrent();

    std::unique_ptr<Ui::ListingPanel> m_ui;
    ListingModel* m_model = nullptr;
};
