#include "rename/NumberedString.h"

#include "rename/NumericText.h"

namespace miravel {

namespace {

// The number just before the end text at endAt, reading leftwards.
QStringView GrowLeftwards(QStringView base, qsizetype endAt) {
    qsizetype width = 1;
    while (true) {
        if (width > endAt)
            return base.left(endAt);
        if (!IsNumericText(base.mid(endAt - width, width)))
            break;
        ++width;
    }
    return base.mid(endAt - (width - 1), width - 1);
}

// The number starting at `from`, reading rightwards.
QStringView GrowRightwards(QStringView base, qsizetype from) {
    qsizetype width = 1;
    while (from + width <= base.size() && IsNumericText(base.mid(from, width))) {
        if (from + width == base.size())
            return base.mid(from);
        ++width;
    }
    return base.mid(from, width - 1);
}

}  // namespace

std::optional<QString> MatchNumberedString(QStringView base, QStringView start, QStringView end) {
    if (base.isEmpty() || (start.isEmpty() && end.isEmpty()))
        return std::nullopt;

    QStringView number;
    if (start.isEmpty()) {
        const qsizetype endAt = base.indexOf(end);
        if (endAt < 0)
            return std::nullopt;
        number = GrowLeftwards(base, endAt);
    } else {
        const qsizetype startAt = base.indexOf(start);
        if (startAt < 0)
            return std::nullopt;
        const qsizetype after = startAt + start.size();
        if (end.isEmpty()) {
            number = GrowRightwards(base, after);
        } else {
            const qsizetype endAt = base.indexOf(end, after);
            if (endAt < 0)
                return std::nullopt;
            number = base.mid(after, endAt - after);
        }
    }
    if (!IsNumericText(number))
        return std::nullopt;
    return number.toString();
}

}  // namespace miravel
