#include "rename/NameIndex.h"

#include <QHash>
#include <bit>

namespace miravel {

size_t KeySlots::Hash(QStringView key) {
    // Seeded per process, so that names made to collide cannot slow a plan down.
    return qHash(key, QHashSeed::globalSeed());
}

void KeySlots::Reset(qsizetype count) {
    // At most half full, so a probe rarely passes more than a slot or two.
    const size_t size = std::bit_ceil(size_t(std::max<qsizetype>(count, 4)) * 2);
    slots_.assign(size, Slot{});
    mask_ = size - 1;
}

void KeySlots::Insert(size_t hash, qint32 number) {
    size_t at = hash & mask_;
    while (slots_[at].tag != 0)
        at = (at + 1) & mask_;
    slots_[at] = {TagOf(hash), number};
}

NameIndex::NameIndex(const QStringList& names, bool ignoresCase)
    : names_(names), ignoresCase_(ignoresCase) {
    if (ignoresCase_) {
        keys_.reserve(names_.size());
        for (const QString& name : std::as_const(names_))
            keys_ << name.toCaseFolded();
    }
    slots_.Reset(names_.size());
    for (qsizetype number = 0; number < names_.size(); ++number) {
        const QStringView key = KeyAt(qint32(number));
        const size_t hash = KeySlots::Hash(key);
        if (Find(key, hash) < 0)
            slots_.Insert(hash, qint32(number));
    }
}

NameLookup NameIndex::Look(const QString& name) const {
    const QString key = ignoresCase_ ? name.toCaseFolded() : name;
    const size_t hash = KeySlots::Hash(key);
    return {hash, Find(key, hash)};
}

}  // namespace miravel
