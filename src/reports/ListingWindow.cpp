#include "reports/ListingWindow.h"

#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "ui_ListingWindow.h"
#include "widgets/Fonts.h"
#include "widgets/SecondaryWindows.h"

#include <QAbstractListModel>
#include <QFontMetrics>

namespace {

// The window's lines, each formatted when the list shows it. All rows have the size of the
// longest line, so that a narrow window scrolls instead of cutting lines short.
class WindowListingModel : public QAbstractListModel
{
public:
    WindowListingModel(WindowListing listing, QObject* parent)
        : QAbstractListModel(parent)
        , m_listing(std::move(listing))
    { }

    const WindowListing& listing() const { return m_listing; }
    void setRowSize(QSize size) { m_rowSize = size; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_listing.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return m_listing.line(index.row());
        if (role == Qt::SizeHintRole && m_rowSize.isValid())
            return m_rowSize;
        return {};
    }

private:
    WindowListing m_listing;
    QSize m_rowSize;
};

struct Design
{
    const char* window;
    const char* caption;
    const char* list;
    const char* title;
    bool centred;
    // 0-based character column of the lines under each word of the header.
    QList<int> heads;
};

Design designOf(Selection selection)
{
    switch (selection) {
    case Selection::Contacte:
        return {"Aff_Contacte", "C.P.contactés", "Liste_CP_Contacte", "Liste des Codes Postaux contactés",
            false, {1, 9, 15, 24, 37, 44, 54, 64, 73}};
    case Selection::Confirme:
        return {"Aff_Confirme", "C.P. confirmés", "Liste_CP_Confirme", "Liste des Codes Postaux confirmés",
            true, {1, 9, 15, 24, 37, 44, 54, 64, 73}};
    case Selection::NonConfirme:
        break;
    }
    return {"Aff_Non_Confirme", "C.P. non confirmés", "Liste_CP_N_Confirme",
        "Liste des Codes Postaux non confirmés", true, {1, 9, 15, 24, 37, 44, 54, 62}};
}

} // namespace

ListingWindow::ListingWindow(AppContext context, Selection selection, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::Aff_Liste>())
{
    m_ui->setupUi(this);
    const Design design = designOf(selection);
    const QString title = QString::fromUtf8(design.title);
    setObjectName(QLatin1String(design.window));
    setWindowTitle(QString::fromUtf8(design.caption));
    m_ui->Label3->setText(title);
    m_ui->Frame2->setTitle(title + QLatin1Char(' '));
    m_ui->Label2->setText(windowHeader(selection));
    m_ui->Liste->setObjectName(QLatin1String(design.list));
    m_ui->Liste->setFont(listingFont());
    m_ui->Label2->follow(m_ui->Liste, design.heads);

    QString readError;
    const QList<QByteArray> log = context.logbook.read(&readError);
    if (!readError.isEmpty())
        context.platform.messages.inform(readError);
    // The total line repeats the total of the log as just read.
    auto* model = new WindowListingModel(WindowListing(selection, log, context.logbook.total()), this);
    m_ui->Liste->setModel(model);
    const QFontMetrics metrics(m_ui->Liste->font());
    if (model->rowCount() > 0) {
        const int height = m_ui->Liste->sizeHintForRow(0);
        model->setRowSize(QSize(
            metrics.horizontalAdvance(QString(model->listing().longestLine(), QLatin1Char('0'))) + 8, height));
    }

    // The window opens with room for a whole line with a 30-character town and for some
    // twenty-five lines; the user may make it smaller and scroll.
    m_ui->Liste->setMinimumSize(
        metrics.horizontalAdvance(QLatin1Char('0')) * 106 + 24, metrics.lineSpacing() * 25);
    resize(sizeHint());
    m_ui->Liste->setMinimumSize(0, 0);
    if (design.centred)
        placeCentred(*this, context.platform.screen);
}

ListingWindow::~ListingWindow() = default;
