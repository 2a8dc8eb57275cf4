#pragma once

#include <QString>
#include <QStringList>

#include "platform/LocalTime.h"

namespace miravel {

// One file of a folder listing, with what the table's conditions and columns are made of
// worked out once when the file is read, so that filtering is a plain loop.
struct ListingEntry {
    QString name;  // decoded losslessly
    qint64 size = 0;
    LocalDateTime created;
    LocalDateTime modified;
    quint32 type = 0;  // index of the type text in the listing's table of them

    bool SameStateAs(const ListingEntry& other) const {
        return size == other.size && created == other.created && modified == other.modified;
    }
};

// What changed in a listing. A reset means that anything may have: start again from the
// entries. Otherwise the names are those of files, not folders.
struct ListingChange {
    bool reset = false;
    QStringList added;    // files listed now that were not
    QStringList removed;  // files no longer listed
    QStringList changed;  // files still listed whose size or times changed
    bool foldersChanged = false;

    bool IsEmpty() const {
        return !reset && added.isEmpty() && removed.isEmpty() && changed.isEmpty() &&
               !foldersChanged;
    }
};

// The order of the listing (the file list's natural name order, names that fold alike by
// their code units) for two names at a time: <0, 0, >0.
int CompareInListingOrder(const QString& left, const QString& right);

}  // namespace miravel
