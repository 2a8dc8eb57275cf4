#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "rename/BatchRename.h"
#include "rename/TextConversions.h"

namespace miravel {

// What a conversion applies to; the values are the option buttons' indexes.
enum class ConversionScope {
    BaseOnly = 0,   // the extension stays as it is
    WholeName = 1,  // the extension converted too
};

// The name converted in its scope; nothing when the conversion changes nothing in it (the row
// is then left out of the run like a replace that does not find its text).
std::optional<QString> ConvertedName(QStringView name, Conversion conversion,
                                     ConversionScope scope);

// The panel's two example labels, on samples that show what the chosen conversion does.
struct ConversionPreview {
    QString before;
    QString after;
};
ConversionPreview ConversionPreviewTexts(Conversion conversion, ConversionScope scope);

// A conversion has no input to check.
BatchOperation MakeConversionOperation(Conversion conversion, ConversionScope scope);

}  // namespace miravel
