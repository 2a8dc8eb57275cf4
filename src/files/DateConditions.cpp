#include "files/DateConditions.h"

namespace miravel {

namespace {

// Ordinal comparison of text with head + tail, without joining them: it runs for every file
// of a fill.
int CompareWithJoined(QStringView text, QStringView head, QLatin1StringView tail) {
    // A text shorter than head never equals head's beginning, so sliced() stays inside it.
    const int headOrder = text.left(head.size()).compare(head);
    if (headOrder != 0)
        return headOrder;
    return text.sliced(head.size()).compare(tail);
}

bool InRange(QStringView time, const QString& from, const QString& to) {
    return CompareWithJoined(time, from, QLatin1StringView(" 00:00:00")) >= 0 &&
           CompareWithJoined(time, to, QLatin1StringView(" 23:59:59")) <= 0;
}

}  // namespace

bool DateConditions::Accepts(QStringView createdText, QStringView modifiedText) const {
    return InRange(createdText, createdFrom, createdTo) &&
           InRange(modifiedText, modifiedFrom, modifiedTo);
}

}  // namespace miravel
