#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace miravel {

// An open-addressed table of numbered keys that keeps only each key's hash and number: the keys
// themselves stay where they are, so filling it copies no string and a lookup touches one slot
// and, on a hash match, one key.
class KeySlots {
  public:
    static size_t Hash(QStringView key);

    // Empty, with room for count keys.
    void Reset(qsizetype count);
    // The number of the key, or -1. keyOf(number) gives back the key of a stored number.
    template <typename KeyOf>
    qint32 Find(QStringView key, size_t hash, const KeyOf& keyOf) const {
        if (slots_.empty())
            return -1;
        const quint32 tag = TagOf(hash);
        for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.tag == 0)
                return -1;
            if (slot.tag == tag && keyOf(slot.number) == key)
                return slot.number;
        }
    }
    // A key not stored yet.
    void Insert(size_t hash, qint32 number);

  private:
    struct Slot {
        quint32 tag = 0;  // 0: empty
        qint32 number = -1;
    };
    static quint32 TagOf(size_t hash) {
        const auto wide = quint64(hash);
        return quint32(wide ^ (wide >> 32)) | 1u;
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
};

// What the index said of one name: its key's hash and its number there (-1: none).
struct NameLookup {
    size_t hash = 0;
    qint32 number = -1;
};

// A folder's names looked up by key: the name itself, or its case-folded form where the folder
// ignores letter case. Made once per reading of the folder, so that a plan hashes only the names
// it gives and the names it renames.
class NameIndex {
  public:
    NameIndex(const QStringList& names, bool ignoresCase);

    // Whether this is the index of these very names (the same list, not an equal one).
    bool IsOf(const QStringList& names, bool ignoresCase) const {
        return ignoresCase == ignoresCase_ && names.constData() == names_.constData() &&
               names.size() == names_.size();
    }
    // Numbers run from 0 to Size() - 1; names with one key share the first one's number.
    qsizetype Size() const { return names_.size(); }
    qint32 Find(QStringView key, size_t hash) const {
        return slots_.Find(key, hash, [this](qint32 number) { return KeyAt(number); });
    }
    // The name's key looked up; kept by the caller, it spares a later plan the lookup.
    NameLookup Look(const QString& name) const;
    QStringView KeyAt(qint32 number) const {
        return ignoresCase_ ? QStringView(keys_[number]) : QStringView(names_[number]);
    }

  private:
    QStringList names_;
    QStringList keys_;  // the folded names; empty where case counts
    bool ignoresCase_;
    KeySlots slots_;
};

}  // namespace miravel
