#pragma once

#include <QString>
#include <array>

namespace miravel {

// "yyyy/mm/dd hh:nn:ss" in local time, 19 characters, zero-padded, 24-hour clock.
// Cheap enough to call once per file of a fill (no time zone file read per call).
QString FormatLocalDateTime(qint64 secondsSinceEpoch);

// The same text for many times in a row, as a fill needs it. The zone's offset is asked of
// the system once per hour of the times seen (checked at the hour's first and last second)
// and the calendar worked out from it; an hour that the offset does not cover whole, or
// that the system reckons otherwise (leap seconds), is converted time by time as above.
// Keep one for one fill: the zone is read when the converter is made.
class LocalTimeConverter {
  public:
    static constexpr int kTextLength = 19;
    using Text = std::array<char16_t, kTextLength>;

    LocalTimeConverter();
    Text Convert(qint64 secondsSinceEpoch);
    QString Format(qint64 secondsSinceEpoch);

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
