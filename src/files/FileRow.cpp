#include "files/FileRow.h"

#include "files/Formats.h"

namespace miravel {

QString FileRow::SizeText() const {
    return miravel::SizeText(size, sizeDigits);
}

QString FileRow::NumberText() const {
    return PaddedNumberText(number, numberDigits);
}

QString FileRow::ColumnText(int column) const {
    switch (column) {
        case kSizeColumn:
            return SizeText();
        case kTypeColumn:
            return type;
        case kMadeColumn:
            return CreatedText();
        case kRenewColumn:
            return ModifiedText();
        case kNoColumn:
            return NumberText();
        default:
            return name;
    }
}

}  // namespace miravel
