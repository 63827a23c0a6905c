#include "map/MapWindow.h"

#include "dvf/TownList.h"
#include "log/Callsign.h"
#include "map/MapPicture.h"
#include "map/MapShapes.h"
#include "model/Logbook.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "ui_MapWindow.h"
#include "widgets/SecondaryWindows.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The saved picture: wide enough to read the smallest départements of the Paris area.
constexpr QSize kImageSize(1600, 1700);

} // namespace

MapWindow::MapWindow(AppContext context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::MapWindow>())
    , m_context(context)
{
    m_ui->setupUi(this);
    resize(760, 820);
    placeCentred(*this, m_context.platform.screen);

    connect(m_ui->dvfView, &QRadioButton::toggled, this, &MapWindow::redraw);
    connect(m_ui->map, &MapView::departementChosen, this, &MapWindow::departementChosen);
    connect(m_ui->printButton, &QPushButton::clicked, this, &MapWindow::printMap);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &MapWindow::askWhereToSave);

    // The town list does not change while the program runs; the log is read as the window opens.
    DvfSources towns = readTownList(m_context.logbook.appDir());
    m_towns = std::move(towns.towns);
    QString readError;
    const QList<QByteArray> lines = m_context.logbook.read(&readError);
    if (!readError.isEmpty())
        towns.problems.prepend(readError);
    m_problems = towns.problems.join(QStringLiteral("\r\n"));
    count(lines);
    // Followed only from here: the read above, when it finds the log changed, would otherwise
    // have it counted twice.
    connect(&m_context.logbook, &Logbook::logChanged, this, &MapWindow::count);
}

MapWindow::~MapWindow() = default;

void MapWindow::count(const QList<QByteArray>& lines)
{
    m_chase = chaseOf(lines, m_towns);
    const ChaseProgress progress = progressOf(m_chase);
    m_ui->pointsBar->setValue(progress.permille);
    m_ui->pointsBar->setFormat(progress.points);
    m_ui->departementsLabel->setText(progress.departements);
    m_ui->dvfLabel->setText(progress.dvf);
    redraw();
}

MapPicture MapWindow::picture() const
{
    MapPicture picture;
    picture.chase = m_chase;
    picture.dvfView = m_ui->dvfView->isChecked();
    picture.title = displayCallsign(m_context.logbook.Indicatif_Station());
    picture.date = QStringLiteral("Le ")
        + m_context.platform.clock.localNow().date().toString(QStringLiteral("dd/MM/yyyy"));
    return picture;
}

void MapWindow::redraw()
{
    m_ui->map->setPicture(picture());
}

QString MapWindow::saveImage(const QString& path) const
{
    const MapPicture drawn = picture();
    const QRectF area {QPointF(), QSizeF(kImageSize)};
    bool written = false;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(kImageSize);
        svg.setViewBox(area);
        svg.setTitle(windowTitle());
        QPainter painter;
        if (painter.begin(&svg)) {
            drawMap(painter, area, mapShapes(), drawn);
            written = painter.end();
        }
        // QSvgGenerator says nothing of a file it could not open: look for it.
        written = written && QFileInfo(path).size() > 0;
    } else {
        QImage image(kImageSize, QImage::Format_RGB32);
        QPainter painter(&image);
        drawMap(painter, area, mapShapes(), drawn);
        painter.end();
        written = image.save(path, "PNG");
    }
    if (written)
        return {};
    return QStringLiteral("La carte n'a pas pu être enregistrée dans le fichier ")
        + QDir::toNativeSeparators(path) + QStringLiteral(".");
}

void MapWindow::askWhereToSave()
{
    // Opened without blocking, as the map itself: the window stays live behind the dialog.
    auto* dialog = new QFileDialog(this, QStringLiteral("Enregistrer la carte"),
        QDir(m_context.logbook.appDir())
            .filePath(
                QStringLiteral("Carte_") + m_context.logbook.Indicatif_Station() + QStringLiteral(".png")),
        QStringLiteral("Image PNG (*.png);;Dessin SVG (*.svg)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its ending takes the one of the chosen kind.
    dialog->setDefaultSuffix(QStringLiteral("png"));
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(
            filter.contains(QLatin1String("svg")) ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        const QString error = saveImage(path);
        if (!error.isEmpty())
            m_context.platform.messages.inform(error);
    });
    dialog->open();
}

void MapWindow::printMap()
{
    Printer& printer = m_context.platform.printer;
    if (!printer.showPrintDialog())
        return;
    printer.printPage([drawn = picture()](QPainter& painter, const QRectF& area) {
        drawMap(painter, area, mapShapes(), drawn);
    });
    if (!printer.endDoc())
        m_context.platform.messages.inform(
            QStringLiteral("L'impression de la carte a échoué : l'imprimante n'a pas reçu la page."));
}
