#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

#include "platform/LocalTime.h"

namespace miravel {

// The dates a row's tokens can stand for.
struct RowDates {
    LocalDateTime created;
    LocalDateTime modified;
    std::optional<LocalDateTime> taken;  // the photo's own date, when its file has one
};

// The dates of a run's rows by name; nothing for a row whose dates are not known.
using RowDatesLookup = std::function<std::optional<RowDates>(const QString& rowName)>;

// The text to add with its date tokens replaced, or the reason the row is left out.
struct TokenExpansion {
    std::optional<QString> text;  // nothing when the row is left out
    QString skipReason;
};

// A token is <作成日>, <更新日> or <撮影日>, optionally with a format after a colon
// (<撮影日:yyyy-MM-dd>); no format, or an empty one, is yyyyMMdd. Anything else between "<" and
// ">" stays as text, and the character rule then refuses its "<".
//
// In a format, yyyy and yy are the year, MM and M the month, dd and d the day, HH and H the
// hour (24-hour clock), mm and m the minute, ss and s the second (the short forms without a
// leading zero); every other ASCII letter is refused, since it would silently stay a letter
// where a date field may have been meant (MMM, hh). Other characters are copied as they are,
// and those refused in names ("/", ":") are then refused by the character rule.
TokenExpansion ExpandDateTokens(QStringView text, const RowDates& dates);

// The first failing check of a text to add that may hold tokens, as its error text: a format
// with a refused letter, then the character rule on the text with its tokens replaced.
std::optional<QString> DateTokenTextCheck(QStringView text);

// Whether a text holds a <撮影日> token, so that the photos' dates have to be read.
bool NeedsDateTaken(QStringView text);

}  // namespace miravel
