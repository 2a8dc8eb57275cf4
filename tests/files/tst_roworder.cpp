#include <QTest>
#include <algorithm>
#include <numeric>

#include "files/Formats.h"
#include "files/NaturalOrder.h"
#include "files/RowOrder.h"

using namespace miravel;

Q_DECLARE_METATYPE(Qt::SortOrder)

namespace {

// What the table must show: a stable sort on the shown texts, names in natural order.
std::vector<quint32> TextOrder(const std::vector<FileRow>& rows, int column, Qt::SortOrder order) {
    std::vector<quint32> indexes(rows.size());
    std::iota(indexes.begin(), indexes.end(), 0u);
    const bool descending = order == Qt::DescendingOrder;
    std::stable_sort(indexes.begin(), indexes.end(), [&](quint32 a, quint32 b) {
        int result;
        if (column == kNameColumn) {
            result = NaturalCompare(NaturalSortKey(rows[a].name), NaturalSortKey(rows[b].name));
            if (result == 0)
                result = QStringView(rows[a].name).compare(rows[b].name);
        } else {
            result = QStringView(rows[a].ColumnText(column)).compare(rows[b].ColumnText(column));
        }
        return descending ? result > 0 : result < 0;
    });
    return indexes;
}

enum class Kind { Filled, FewValues, MixedWidths, NumbersWiderThanPadding };

// Rows as a fill makes them, or with values repeated often (ties must keep their order), or
// with paddings no fill makes (the texts must decide then).
std::vector<FileRow> MakeRows(Kind kind, int count) {
    static const char* const kTypes[] = {"JPEG 画像", "テキスト", "PNG image", "ファイル", "Zip"};
    static const char* const kStems[] = {"IMG_", "写真", "Café ", "report-", "ﾃﾞｰﾀ", "b", "B"};
    std::vector<FileRow> rows;
    quint32 seed = 12345;
    auto next = [&seed](quint32 bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    const bool few = kind == Kind::FewValues;
    qint64 largest = 0;
    for (int i = 0; i < count; ++i) {
        FileRow row;
        row.name = QString::fromUtf8(kStems[next(7)]) +
                   QString::number(few ? next(5) : next(3000)) + QString::number(i) + ".jpg";
        row.size = few ? qint64(next(3)) * 1024 : qint64(next(4)) * qint64(next(2000000));
        row.type = QString::fromUtf8(kTypes[next(5)]);
        row.created = LocalDateTime::FromFields(1990 + int(next(few ? 2 : 40)), 1 + int(next(12)),
                                                1 + int(next(28)), int(next(24)),
                                                int(next(few ? 1 : 60)), int(next(few ? 1 : 60)));
        row.modified = LocalDateTime::FromFields(2020, 1, 1, 0, int(next(few ? 2 : 60)), 0);
        row.number = qint32(few ? next(3) + 1 : quint32(i + 1));
        largest = std::max(largest, row.size);
        rows.push_back(row);
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        FileRow& row = rows[i];
        row.sizeDigits = qint8(DigitCount(largest));
        row.numberDigits = qint8(DigitCount(count));
        if (kind == Kind::MixedWidths) {
            row.sizeDigits = qint8(DigitCount(largest) + int(i % 3));
            row.numberDigits = qint8(1 + i % 4);
        } else if (kind == Kind::NumbersWiderThanPadding) {
            row.sizeDigits = 1;
            row.numberDigits = 1;
        }
    }
    return rows;
}

}  // namespace

class RowOrderTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void SortsLikeTheShownTexts_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<int>("kind");
        const struct {
            Kind kind;
            const char* name;
        } kinds[] = {{Kind::Filled, "filled"},
                     {Kind::FewValues, "many ties"},
                     {Kind::MixedWidths, "mixed paddings"},
                     {Kind::NumbersWiderThanPadding, "values wider than padding"}};
        for (const auto& kind : kinds) {
            for (int column = 0; column < kFileColumnCount; ++column) {
                for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                    const QByteArray name = QByteArray(kind.name) + ", " +
                                            FileTableModel_ColumnName(column) +
                                            (order == Qt::AscendingOrder ? " up" : " down");
                    QTest::newRow(name.constData()) << column << order << int(kind.kind);
                }
            }
        }
    }
    void SortsLikeTheShownTexts() {
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(int, kind);
        const std::vector<FileRow> rows = MakeRows(Kind(kind), 600);
        QCOMPARE(SortedRowOrder(rows, column, order), TextOrder(rows, column, order));
    }

    void EmptyAndSingleRows() {
        QCOMPARE(SortedRowOrder({}, kSizeColumn, Qt::AscendingOrder), std::vector<quint32>{});
        const std::vector<FileRow> one = MakeRows(Kind::Filled, 1);
        for (int column = 0; column < kFileColumnCount; ++column)
            QCOMPARE(SortedRowOrder(one, column, Qt::DescendingOrder), std::vector<quint32>{0});
    }

    void AppliesAnOrderInPlace() {
        std::vector<QString> items = {"a", "b", "c", "d", "e"};
        std::vector<quint32> sourceOf = {3, 0, 4, 2, 1};
        ApplyRowOrder(items, sourceOf);
        QCOMPARE(items, (std::vector<QString>{"d", "a", "e", "c", "b"}));
    }

  private:
    static QByteArray FileTableModel_ColumnName(int column) {
        static const char* const kNames[] = {"name", "size", "type", "made", "renewed", "No"};
        return kNames[column];
    }
};

QTEST_GUILESS_MAIN(RowOrderTest)
#include "tst_roworder.moc"
