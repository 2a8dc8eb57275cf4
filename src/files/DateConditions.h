#pragma once

#include <QString>
#include <QStringView>

namespace miravel {

inline constexpr char kDateFromDefault[] = "1901/01/01";
inline constexpr char kDateToDefault[] = "9999/12/31";

// The creation and modification ranges a file must lie in to enter the table. Bounds are
// "yyyy/mm/dd", both included; a range whose start lies after its end lets nothing through.
struct DateConditions {
    QString createdFrom = QLatin1String(kDateFromDefault);
    QString createdTo = QLatin1String(kDateToDefault);
    QString modifiedFrom = QLatin1String(kDateFromDefault);
    QString modifiedTo = QLatin1String(kDateToDefault);

    // The times are "yyyy/mm/dd hh:nn:ss"; fixed widths make text order time order.
    bool Accepts(QStringView createdText, QStringView modifiedText) const;
};

}  // namespace miravel
