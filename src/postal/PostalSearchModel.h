#pragma once

#include <QAbstractTableModel>

#include <vector>

class PostalBase;

// The results of a search, one row per (postal code, commune) pair: postal code, commune,
// département ("45 Loiret").
class PostalSearchModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { PostalCodeColumn, CommuneColumn, DepartementColumn, ColumnCount };

    explicit PostalSearchModel(const PostalBase& base, QObject* parent = nullptr);

    // Replaces the rows by what the text finds.
    void setSearchText(const QString& text);

    QString postalCode(int row) const;
    // The code as the log writes it (Corsica as 2A000, 2B200).
    QString logPostalCode(int row) const;
    QString commune(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const PostalBase& m_base;
    std::vector<int> m_rows;
};
