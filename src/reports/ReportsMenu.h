#pragma once

#include "reports/ReportLines.h"

#include <QObject>
#include <QPointer>

class MainWindow;
class ListingWindow;
class NumeroDptWindow;
class SummaryWindow;

// Wires listing windows, summary, report files and printed reports into the main window.
class ReportsMenu : public QObject
{
    Q_OBJECT

public:
    explicit ReportsMenu(MainWindow& main);

    void Enregistre_Confirme() { save(Report::Confirme); }
    void Enregistre_Contacte() { save(Report::Contacte); }
    void Imprime_Confirme() { print(Report::Confirme); }
    void Imprime_Contacte() { print(Report::Contacte); }

private:
    void showListing(QPointer<ListingWindow>& slot, Selection selection);
    void save(Report report);
    void print(Report report);

    MainWindow& m_main;
    QPointer<NumeroDptWindow> m_numeroDpt;
    QPointer<SummaryWindow> m_recapitulatif;
    QPointer<ListingWindow> m_affContacte;
    QPointer<ListingWindow> m_affConfirme;
    QPointer<ListingWindow> m_affNonConfirme;
};
