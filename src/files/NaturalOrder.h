#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace miravel {

// Names compare in natural order with case ignored ("ep2" before "ep10"), because the table
// order is the numbering order of serial numbers. Fold once, compare many times.
QString NaturalSortKey(const QString& name);
// Compares two keys made by NaturalSortKey; <0, 0, >0.
int NaturalCompare(QStringView left, QStringView right);
// Two names in the order NaturalNameOrder sorts them, for a comparison or two: plain ASCII
// names are folded while they are compared, so that a search among many names copies none.
int CompareNamesNaturally(QStringView left, QStringView right);

// The order of the file list and of the table's name column: natural order of the folded
// names, and names that fold alike by their code units. Prepares each name once: plain ASCII
// names, the usual case, are folded while they are compared instead of into a copy, and the
// first characters of each name are packed into a number whose order is theirs, so that most
// comparisons are one of two numbers.
class NaturalNameOrder {
  public:
    static constexpr size_t kHeadWords = 3;

    void Reserve(size_t count);
    // The name must outlive this object; its index is the number of names added before it.
    void Add(const QString& name);
    int Compare(size_t left, size_t right) const;
    bool Less(size_t left, size_t right) const { return Compare(left, right) < 0; }
    // The indexes of all names added, in this order or its reverse; alike names (the same
    // name twice) keep the order they were added in, as a stable sort leaves them.
    std::vector<quint32> SortedIndexes(bool descending = false) const;

  private:
    struct Entry {
        QStringView name;
        QStringView key;         // the folded name, or the name itself when foldAscii
        bool foldAscii = false;  // key is plain ASCII to be lowered while comparing
        bool packed = false;     // head holds the key's beginning
        quint64 head[kHeadWords] = {};
    };
    int CompareInFull(const Entry& a, const Entry& b) const;

    std::vector<Entry> entries_;
    std::vector<QString> foldedKeys_;  // keys of the names that are not plain ASCII
};

}  // namespace miravel
