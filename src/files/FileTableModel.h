#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "files/FileRow.h"

namespace miravel {

// The file table: one row per listed file. Selection lives in the view's selection model.
class FileTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit FileTableModel(QObject* parent = nullptr);

    static QString ColumnCaption(int column);
    static QString ColumnKey(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Stable text sort on the column's display text; names in natural order. Remembers the
    // column and order, which the next fill re-applies.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void SetRows(std::vector<FileRow> rows);
    const std::vector<FileRow>& Rows() const { return rows_; }
    const FileRow& Row(int row) const { return rows_[static_cast<size_t>(row)]; }
    int FindRowByKey(const QString& key) const;

    int SortColumn() const { return sortColumn_; }
    Qt::SortOrder SortOrder() const { return sortOrder_; }
    // Re-sorts by the remembered column and order.
    void Resort() { sort(sortColumn_, sortOrder_); }

    // "up", "down" or "noicon" for each column header.
    QString HeaderImage(int column) const { return headerImages_[column]; }
    void SetHeaderImage(int column, const QString& key);

  protected:
    std::vector<FileRow> rows_;

  private:
    int sortColumn_ = kNameColumn;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QString headerImages_[kFileColumnCount];
};

}  // namespace miravel
