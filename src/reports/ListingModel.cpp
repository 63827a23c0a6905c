#include "reports/ListingModel.h"

#include "reports/Listing.h"

void ListingModel::setRecords(QList<QByteArray> records)
{
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

int ListingModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

QVariant ListingModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_records.size())
        return {};
    return listingLine(m_records[index.row()]);
}
