#include "postal/PostalSearchModel.h"

#include "postal/PostalBase.h"

PostalSearchModel::PostalSearchModel(const PostalBase& base, QObject* parent)
    : QAbstractTableModel(parent)
    , m_base(base)
{ }

void PostalSearchModel::setSearchText(const QString& text)
{
    beginResetModel();
    m_rows = m_base.search(text);
    endResetModel();
}

QString PostalSearchModel::postalCode(int row) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    return m_base.entry(m_rows[std::size_t(row)]).postalCode;
}

QString PostalSearchModel::logPostalCode(int row) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    return m_base.logPostalCode(m_base.entry(m_rows[std::size_t(row)]));
}

QString PostalSearchModel::commune(int row) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    return m_base.commune(m_base.entry(m_rows[std::size_t(row)]).commune).name;
}

int PostalSearchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PostalSearchModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PostalSearchModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    const PostalBase::Entry& entry = m_base.entry(m_rows[std::size_t(index.row())]);
    switch (index.column()) {
    case PostalCodeColumn:
        return entry.postalCode;
    case CommuneColumn:
        return m_base.commune(entry.commune).name;
    case DepartementColumn: {
        const PostalBase::Departement& d = m_base.departementOf(entry);
        return QString(d.code + QLatin1Char(' ') + d.name);
    }
    default:
        return QVariant();
    }
}

QVariant PostalSearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    switch (section) {
    case PostalCodeColumn:
        return QStringLiteral("Code Postal");
    case CommuneColumn:
        return QStringLiteral("Commune");
    case DepartementColumn:
        return QStringLiteral("Département");
    default:
        return QVariant();
    }
}
