#include "reports/ListingPanel.h"

#include "reports/Listing.h"
#include "reports/ListingModel.h"
#include "ui_ListingPanel.h"
#include "widgets/Fonts.h"

#include <QFontMetrics>

ListingPanel::ListingPanel(QWidget* parent)
    : QGroupBox(parent)
    , m_ui(std::make_unique<Ui::ListingPanel>())
    , m_model(new ListingModel(this))
{
    m_ui->setupUi(this);
    m_ui->Liste_CP->setModel(m_model);
    m_ui->Liste_CP->setAccessibleName(QStringLiteral("Liste des Codes Postaux"));
    m_ui->Liste_CP->setFont(listingFont());
    const QFontMetrics metrics(m_ui->Liste_CP->font());
    // Room for a whole listing line: 73 characters and a 30-character town.
    m_ui->Liste_CP->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * 104 + 24);
    m_ui->Liste_CP->setMinimumHeight(metrics.lineSpacing() * 18);
    m_ui->listingHeads->setFont(arialFont(m_ui->listingHeads->font()));
    QList<ColumnHead> heads;
    for (const ListingColumn& column : kListingColumns)
        heads.append({QString::fromUtf8(column.head), int(column.headStart)});
    m_ui->listingHeads->follow(m_ui->Liste_CP, heads);

    connect(m_ui->Liste_CP, &QAbstractItemView::clicked, this, &ListingPanel::chooseCurrent);
    connect(m_ui->Liste_CP->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &ListingPanel::chooseCurrent);
}

ListingPanel::~ListingPanel() = default;

void ListingPanel::setListing(const Listing& listing)
{
    // A listing of a few thousand lines is laid out at once, so that the line a save selects can be
    // scrolled to; a huge one in batches between events, so that the window never freezes.
    constexpr qsizetype kLinesLaidOutAtOnce = 20000;
    m_ui->Liste_CP->setLayoutMode(
        listing.records.size() > kLinesLaidOutAtOnce ? QListView::Batched : QListView::SinglePass);
    m_model->setRecords(listing.records);
    // Another listing starts at its top, not where the last one was scrolled to.
    m_ui->Liste_CP->scrollToTop();
    if (!listing.caption.isNull())
        setTitle(listing.caption);
}

void ListingPanel::selectLast()
{
    const int count = m_model->rowCount();
    if (count == 0)
        return;
    const QModelIndex last = m_model->index(count - 1);
    m_ui->Liste_CP->setCurrentIndex(last);
    m_ui->Liste_CP->scrollTo(last);
    chooseCurrent();
}

void ListingPanel::chooseCurrent()
{
    const QModelIndexList selected = m_ui->Liste_CP->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        Q_EMIT lineChosen(selected.first().data().toString());
}
