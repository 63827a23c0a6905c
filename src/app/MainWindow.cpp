#include "app/MainWindow.h"

#include "app/ClockTexts.h"
#include "app/FieldColour.h"
#include "app/Fonts.h"
#include "app/ProgramState.h"
#include "app/SecondaryWindows.h"
#include "app/StationLists.h"
#include "app/StationSettings.h"
#include "app/StationWindow.h"
#include "dvf/DvfMenu.h"
#include "entry/EntryRow.h"
#include "log/Points.h"
#include "platform/HelpViewer.h"
#include "platform/Launcher.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "platform/WindowAccessible.h"
#include "reports/Listing.h"
#include "reports/ReportsMenu.h"
#include "texts/DfcfPage.h"
#include "texts/TextsMenu.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

namespace {

// The search program ships beside Kerlanic; a copy in the program's data folder wins.
QString searchProgramPath(const QString& appDir)
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("CodePostal.exe");
#else
    const QString name = QStringLiteral("CodePostal");
#endif
    const QString inAppDir = QDir(appDir).filePath(name);
    if (QFileInfo(inAppDir).isFile())
        return inAppDir;
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    return QFileInfo(besideProgram).isFile() ? besideProgram : inAppDir;
}

// Listing column where each head of the listing starts (0-based characters of a listing line).
struct HeadColumn
{
    const char* label;
    int column;
};
constexpr HeadColumn kListingHeads[] = {
    {"Label3", 5},
    {"Label23", 12},
    {"Label25", 22},
    {"Label5", 36},
    {"Label19", 43},
    {"Label20", 51},
    {"Label18", 59},
    {"Label17", 66},
    {"Label4", 72},
};

} // namespace

MainWindow::MainWindow(AppContext context, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::Main>())
    , m_context(context)
{
    m_ui->setupUi(this);
    announceWindowsByCaption();
    setUpLook();
    wireOwnActions();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::showClock);

    // Each subsystem wires the controls it owns.
    m_entryRow = new EntryRow(*this);
    new ReportsMenu(*this);
    new DvfMenu(*this);
    new TextsMenu(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpLook()
{
    // Each box is as wide as what it holds; the town takes the rest of the row.
    const QFontMetrics metrics(m_ui->C_Postal_A->font());
    const int margin = 14;
    const auto fit = [&](QWidget* box, const QString& sample) {
        box->setFixedWidth(metrics.horizontalAdvance(sample) + margin);
    };
    fit(m_ui->C_Postal_A, QStringLiteral("00000000"));
    fit(m_ui->DFCF_A, QStringLiteral("0000000"));
    fit(m_ui->Date_A, QStringLiteral("00/00/0000"));
    fit(m_ui->Ind_A, QStringLiteral("F4ABCD/P00"));
    fit(m_ui->QSLE_A, QStringLiteral("WW"));
    fit(m_ui->QSLR_A, QStringLiteral("WW"));
    m_ui->Ville_A->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('M')) * 14);
    for (QComboBox* list : {m_ui->Mode_A, m_ui->Bande_A}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(7);
        list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    m_ui->Valide_A->setMinimumWidth(
        metrics.horizontalAdvance(QStringLiteral("Enregistrer modifications")) + 2 * margin);
    m_ui->Valide_A->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_ui->Efface_A->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_ui->entryActions->setStretch(2, 1);
    m_ui->entryGrid->setColumnStretch(1, 1);

    QFont banner = m_ui->I_Station->font();
    banner.setPointSizeF(13.5);
    m_ui->I_Station->setFont(banner);
    m_ui->C_Station->setFont(banner);
    QFont bannerLabel = m_ui->Label28->font();
    bannerLabel.setPointSizeF(13.5);
    m_ui->Label28->setFont(bannerLabel);

    QFont entryFont = m_ui->C_Postal_A->font();
    entryFont.setPointSizeF(9.75);
    m_ui->C_Postal_A->setFont(entryFont);
    m_ui->Status_A->setFont(entryFont);

    m_ui->L_Communes->setFont(arialFont(m_ui->L_Communes->font()));
    m_ui->Liste_CP->setFont(listingFont());
    const QFontMetrics listMetrics(m_ui->Liste_CP->font());
    // Room for a whole listing line: 73 characters and a 30-character town.
    m_ui->Liste_CP->setMinimumWidth(listMetrics.horizontalAdvance(QLatin1Char('0')) * 104 + 24);
    m_ui->Liste_CP->setMinimumHeight(listMetrics.lineSpacing() * 18);
    m_ui->listingHeads->setFixedHeight(QFontMetrics(m_ui->L_Communes->font()).height() + 2);
    m_ui->Liste_CP->installEventFilter(this);
    m_ui->Tot_Points->setMaximumWidth(150);

    markWaiting(m_ui->C_Postal_A, true);
}

void MainWindow::alignListingHeads()
{
    const QFontMetricsF metrics(m_ui->Liste_CP->font());
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('0'));
    // Where the text of a list item begins, in the heads' coordinates.
    const int origin = m_ui->Liste_CP->viewport()->mapTo(m_ui->L_Communes, QPoint(0, 0)).x()
        - m_ui->listingHeads->geometry().x() - m_ui->Liste_CP->horizontalScrollBar()->value()
        + m_ui->Liste_CP->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_ui->Liste_CP) + 1;
    for (const HeadColumn& head : kListingHeads) {
        if (auto* label = m_ui->listingHeads->findChild<QLabel*>(QLatin1String(head.label))) {
            label->adjustSize();
            label->move(origin + qRound(head.column * advance), 0);
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->Liste_CP
        && (event->type() == QEvent::Resize || event->type() == QEvent::Move
            || event->type() == QEvent::Show))
        alignListingHeads();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::wireOwnActions()
{
    connect(m_ui->Mnu_Quitter, &QAction::triggered, this, &MainWindow::quit);
    connect(m_ui->Mnu_Historique, &QAction::triggered, this, &MainWindow::showHistory);
    connect(m_ui->Mnu_Apropos, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_ui->Mnu_Mode_Emploi, &QAction::triggered, this, &MainWindow::showManual);
    connect(m_ui->Recherche, &QPushButton::clicked, this, &MainWindow::startSearchProgram);
    connect(m_ui->Affiche_All, &QPushButton::clicked, this, &MainWindow::Liste_Tous);
    connect(m_ui->Mnu_New_Indicatif, &QAction::triggered, this, &MainWindow::showStationWindow);
    connect(m_ui->Liste_CP->horizontalScrollBar(), &QScrollBar::valueChanged, this,
        &MainWindow::alignListingHeads);
}

void MainWindow::startUp()
{
    ProgramState& state = m_context.state;
    SettingsStore& settings = m_context.platform.settings;

    // 1. Centre the window on the screen.
    resize(sizeHint());
    placeCentred(*this, m_context.platform.screen);

    // 2. The band and mode lists.
    m_ui->Bande_A->clear();
    m_ui->Bande_A->addItems(kBands);
    m_ui->Mode_A->clear();
    m_ui->Mode_A->addItems(kModes);

    // 3. The station, shown as stored.
    state.Indicatif_Station = StationSettings::storedCallsign(settings);
    m_ui->I_Station->setText(state.Indicatif_Station);

    // 4. Its postal code.
    m_ui->C_Station->setText(settings.read(StationSettings::stationSection(state.Indicatif_Station),
        StationSettings::kCPStation, QStringLiteral("XXXX")));

    // 5. The band and mode it used last.
    selectStationBandAndMode();

    // 6. Where the program keeps its files.
    settings.write(StationSettings::kGlobalSection, StationSettings::kCheminRepertoire,
        QDir::toNativeSeparators(state.appDir));
    // Where the DFCF list is fetched from: written once, for the user to change.
    if (settings.read(StationSettings::kGlobalSection, StationSettings::kAdresseDfcf, {}).isEmpty())
        settings.write(StationSettings::kGlobalSection, StationSettings::kAdresseDfcf, kDfcfHost);

    // 7. A new contact starts as made.
    m_ui->QSLE_A->setText(QStringLiteral("X"));

    // 8. First installation.
    if (state.Indicatif_Station == kDefaultCallsign)
        m_context.platform.messages.inform(firstInstallationMessage());

    // 9.
    state.Modif_En_Cours = false;

    // 10.
    show();

    // 11. The 10 Millions total.
    m_ui->Tot_Points->setText(QStringLiteral("0"));
    // One read of the log gives the total and tells whether the log can be read at all.
    QString readError;
    m_ui->Tot_Points->setText(Total_Points(state.stationLog().readLines(&readError)));
    if (!readError.isEmpty())
        m_context.platform.messages.inform(readError);

    // 12-13. The title carries the revision.
    setWindowTitle(QStringLiteral("  Kerlanic    Revision ") + kRevision);

    // 14.
    settings.write(
        StationSettings::stationSection(state.Indicatif_Station), StationSettings::kRevisionKey, kRevision);

    m_clockTimer->start();
    m_ui->C_Postal_A->setFocus();
}

void MainWindow::selectStationBandAndMode()
{
    const SettingsStore& settings = m_context.platform.settings;
    const QString section = StationSettings::stationSection(m_context.state.Indicatif_Station);
    const int band = StationSettings::listIndex(
        settings.read(section, StationSettings::kBandeUtilisee, QStringLiteral("0")),
        m_ui->Bande_A->count() - 1);
    const int mode = StationSettings::listIndex(
        settings.read(section, StationSettings::kModeUtilise, QStringLiteral("0")),
        m_ui->Mode_A->count() - 1);
    m_ui->Bande_A->setCurrentIndex(band);
    m_ui->Mode_A->setCurrentIndex(mode);
    // Index -1 selects nothing and leaves the box empty.
    if (band < 0)
        m_ui->Bande_A->setEditText(QString());
    if (mode < 0)
        m_ui->Mode_A->setEditText(QString());
}

void MainWindow::showStationWindow()
{
    showSecondary(m_stationWindow, [this] { return new StationWindow(*this); });
}

void MainWindow::switchStation(const QString& callsign, const QString& postalCode)
{
    m_context.state.Indicatif_Station = callsign;
    Q_EMIT stationChanged();
    m_ui->I_Station->setText(displayCallsign(callsign));
    m_ui->C_Station->setText(postalCode);
    selectStationBandAndMode();
    Liste_Dpt(postalCode.left(2));
    refreshTotal();
}

void MainWindow::showListing(const Listing& listing)
{
    m_ui->Liste_CP->clear();
    m_ui->Liste_CP->addItems(listing.lines);
    m_ui->L_Communes->setTitle(listing.caption);
    m_ui->C_Postal_A->setEnabled(true);
    m_ui->C_Postal_A->setFocus();
}

void MainWindow::Liste_Dpt(const QString& dpt)
{
    showListing(::Liste_Dpt(m_context.state.stationLog(), dpt));
}

void MainWindow::Liste_Tous()
{
    showListing(::Liste_Tous(m_context.state.stationLog()));
}

void MainWindow::showWrittenLog(const QList<QByteArray>& lines, const QString& dpt)
{
    showListing(::Liste_Dpt(lines, dpt));
    m_ui->Tot_Points->setText(Total_Points(lines));
}

void MainWindow::refreshTotal()
{
    m_ui->Tot_Points->setText(Total_Points(m_context.state.stationLog()));
}

void MainWindow::showClock()
{
    const ClockLabels labels = clockTick(m_context.platform.clock);
    m_ui->Label37->setEnabled(true);
    m_ui->Label37->setText(labels.utc);
    m_ui->Label34->setEnabled(true);
    m_ui->Label34->setText(labels.local);
    m_ui->Label33->setText(labels.date);
}

void MainWindow::quit()
{
    // Every change is already in the log: nothing to ask, nothing to save.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, secondary windows included.
    event->accept();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    QCoreApplication::quit();
}

void MainWindow::showHistory()
{
    m_context.platform.messages.inform(versionHistory());
}

void MainWindow::showAbout()
{
    m_context.platform.messages.inform(QStringLiteral("Kerlanic  Revision ") + kRevision
        + QStringLiteral("\r\n\r\n")
        + QStringLiteral("    Carnet de trafic des Codes Postaux pour les radioamateurs"));
}

void MainWindow::showManual()
{
    const QString file = QDir(m_context.state.appDir).filePath(QStringLiteral("Kerlanic.hlp"));
    if (!QFileInfo(file).isFile()) {
        m_context.platform.messages.inform(
            QStringLiteral("Le mode d'emploi Kerlanic.hlp est introuvable dans le dossier ")
            + QDir::toNativeSeparators(m_context.state.appDir) + QStringLiteral("."));
        return;
    }
    m_context.platform.help.showHelp(file);
}

void MainWindow::startSearchProgram()
{
    const QString program = searchProgramPath(m_context.state.appDir);
    if (!QFileInfo(program).isFile()) {
        m_context.platform.messages.inform(
            QStringLiteral("Le programme de recherche CodePostal est introuvable dans le dossier ")
            + QDir::toNativeSeparators(m_context.state.appDir) + QStringLiteral("."));
        return;
    }
    if (!m_context.platform.launcher.startDetached(program))
        m_context.platform.messages.inform(
            QStringLiteral("Le programme de recherche CodePostal n'a pas pu être lancé."));
}
