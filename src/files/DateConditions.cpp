#include "files/DateConditions.h"

namespace miravel {

namespace {

bool InRange(QStringView time, const QString& from, const QString& to) {
    const QString lower = from + QLatin1String(" 00:00:00");
    const QString upper = to + QLatin1String(" 23:59:59");
    return QStringView(lower).compare(time) <= 0 && time.compare(upper) <= 0;
}

}  // namespace

bool DateConditions::Accepts(QStringView createdText, QStringView modifiedText) const {
    return InRange(createdText, createdFrom, createdTo) &&
           InRange(modifiedText, modifiedFrom, modifiedTo);
}

}  // namespace miravel
