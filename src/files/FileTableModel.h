#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "files/FileRow.h"
#include "files/PreviewSource.h"
#include "files/TableSort.h"

namespace miravel {

// The file table: one row per listed file. The selection is kept beside it (RowSelection).
class FileTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The preview column's kind of cell (a PreviewKind as int).
    static constexpr int kPreviewKindRole = Qt::UserRole + 1;

    explicit FileTableModel(QObject* parent = nullptr);

    static QString ColumnCaption(int column);
    static QString ColumnKey(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Only the name is editable; it is the row's key, so it must stay unique in the table.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Stable text sort on the column's display text; names in natural order. Remembers the
    // column and order, which the next fill re-applies.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // A drag carries the dragged rows' keys as plain text; a drop onto a row moves them
    // directly below it and numbers every row anew.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override;

    // A click on a column header: chooses column and order, sets the header images, sorts.
    void SortByColumn(int column);
    // The column of the last header click (or drop).
    int LastSortColumn() const { return lastSortColumn_; }

    void SetRows(std::vector<FileRow> rows);
    // Rows in the file list's order (by name, numbered in that order), put in the remembered
    // sort order before the table shows them, so no layout change follows the reset.
    void SetListedRows(std::vector<FileRow> rows);
    // As SetListedRows with the rows make() returns, made once the old rows are gone, so that
    // two tables are never held at once.
    template <typename Make>
    void RefillListedRows(Make make) {
        beginResetModel();
        std::vector<FileRow>().swap(rows_);
        nameRanks_.clear();
        std::vector<FileRow> rows = make();
        OrderListedRows(rows);
        rows_ = std::move(rows);
        endResetModel();
    }
    // Takes rows out of the table; the others keep their order and texts, numbers included.
    void RemoveRowsAt(std::vector<int> rows);
    // Adds rows numbered after the others, put where the remembered sort places them.
    void AddRows(std::vector<FileRow> rows);
    // A file of the table that was written to or touched since it was listed.
    void SetRowState(int row, qint64 size, LocalDateTime created, LocalDateTime modified);
    // False when another row already has that name.
    bool SetRowName(int row, const QString& name);
    const std::vector<FileRow>& Rows() const { return rows_; }
    const FileRow& Row(int row) const { return rows_[static_cast<size_t>(row)]; }
    int FindRowByKey(const QString& key) const;

    // The preview column's cells come from source (none: an empty column); the source lives
    // longer than the table or is unset first.
    void SetPreviewSource(const PreviewSource* source) { preview_ = source; }
    // The source's cells or problem changed: the views ask again.
    void PreviewChanged();

    int SortColumn() const { return sortColumn_; }
    Qt::SortOrder SortOrder() const { return sortOrder_; }
    // Re-sorts by the remembered column and order.
    void Resort() { sort(sortColumn_, sortOrder_); }

    // "up", "down" or "noicon" for each column header.
    QString HeaderImage(int column) const { return headerImages_[column]; }
    void SetHeaderImage(int column, const QString& key);

  Q_SIGNALS:
    // Within a sort's layout change, after the rows moved: where each row went.
    void RowsPermuted(const std::vector<int>& newPosition);

  protected:
    std::vector<FileRow> rows_;

  private:
    void ApplySort(const SortChoice& choice);
    QVariant PreviewData(int row, int role) const;
    void OrderListedRows(std::vector<FileRow>& rows) const;

    // Each row's place in name order, from the last sort by name while no name has changed
    // since: sorting by name again orders numbers and reads no name. Empty when not known.
    std::vector<quint32> nameRanks_;
    int lastSortColumn_ = kNameColumn;
    int sortColumn_ = kNameColumn;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QString headerImages_[kFileColumnCount];
    const PreviewSource* preview_ = nullptr;
};

}  // namespace miravel
