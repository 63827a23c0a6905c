#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>

// The records of a listing, shown one listing line each. A line is only formatted when the view
// asks for it, that is when it comes into sight: "Affiche tous" on a log of hundreds of thousands
// of records costs neither the time nor the memory of that many texts.
class ListingModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // The records as they stand in the log; they share their bytes with the log's lines.
    void setRecords(QList<QByteArray> records);
    const QList<QByteArray>& records() const { return m_records; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<QByteArray> m_records;
};
