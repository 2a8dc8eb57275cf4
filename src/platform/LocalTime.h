#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace miravel {

// A local time as the table shows it, "yyyy/mm/dd hh:nn:ss", packed into a number whose
// order is the text's order (eight bytes instead of a 19-character string per time and row).
class LocalDateTime {
  public:
    static constexpr int kTextLength = 19;
    using Text = std::array<char16_t, kTextLength>;

    LocalDateTime() = default;  // "0000/00/00 00:00:00"
    // Fields as shown: year 0 to 9999, month, day, hour, minute, second each as written.
    static LocalDateTime FromFields(int year, int month, int day, int hour, int minute, int second);
    // The time a text of the pattern stands for; nothing for any other text.
    static std::optional<LocalDateTime> FromText(QStringView text);

    Text TextArray() const;
    QString ToText() const;
    quint64 Packed() const { return packed_; }

    friend bool operator==(LocalDateTime a, LocalDateTime b) { return a.packed_ == b.packed_; }
    friend bool operator!=(LocalDateTime a, LocalDateTime b) { return a.packed_ != b.packed_; }
    friend bool operator<(LocalDateTime a, LocalDateTime b) { return a.packed_ < b.packed_; }

  private:
    quint64 packed_ = 0;
};

// "yyyy/mm/dd hh:nn:ss" in local time, 19 characters, zero-padded, 24-hour clock. Times
// outside the years 1 to 9999 are held at the first or last second of that range, a leap
// second shows as 59. Cheap enough to call once per file of a fill (no time zone file read
// per call).
QString FormatLocalDateTime(qint64 secondsSinceEpoch);
LocalDateTime LocalDateTimeOf(qint64 secondsSinceEpoch);

// The same for many times in a row, as a fill needs it. The zone's offset is asked of the
// system once per hour of the times seen (checked at the hour's first and last second) and
// the calendar worked out from it; an hour that the offset does not cover whole, or that the
// system reckons otherwise (leap seconds), is converted time by time as above. Keep one for
// one fill: the zone is read when the converter is made.
class LocalTimeConverter {
  public:
    LocalTimeConverter();
    LocalDateTime Convert(qint64 secondsSinceEpoch);
    QString Format(qint64 secondsSinceEpoch) { return Convert(secondsSinceEpoch).ToText(); }

  private:
    struct HourEntry {
        qint64 hour = 0;
        qint32 offset = 0;
        enum class State : quint8 { Empty, Even, Uneven } state = State::Empty;
    };
    const HourEntry& EntryFor(qint64 hour);

    std::array<HourEntry, 512> hours_{};
};

}  // namespace miravel
