#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "rename/BatchRename.h"

namespace miravel {

// The first failing input check of a replace run, as its error text.
std::optional<QString> ReplaceCheck(QStringView findText, QStringView replacement);

// Nothing when the name does not contain the text in any letter case. Otherwise the name with
// the first exact occurrence replaced; a name that holds the text only in another case comes
// back unchanged (the rename then has nothing to do).
std::optional<QString> ReplacedName(QStringView name, QStringView findText,
                                    QStringView replacement);

// The live examples: both labels show their text at the head of the two samples.
QString ReplacePreviewText(QStringView text);

BatchOperation MakeReplaceOperation(const QString& findText, const QString& replacement);

}  // namespace miravel
