#include "rename/ConvertOperation.h"

#include "rename/NameSplit.h"
#include "rename/OperationTexts.h"
#include "rename/TextJoin.h"

namespace miravel {

namespace {

struct Samples {
    QStringView first;
    QStringView second;
};

Samples SamplesFor(Conversion conversion) {
    switch (conversion) {
        case Conversion::Lower:
            return {u"Photo_A.JPG", u"README.Txt"};
        case Conversion::Upper:
            return {u"photo_a.jpg", u"readme.txt"};
        case Conversion::WordHeads:
            return {u"my photo.jpg", u"new_report.txt"};
        case Conversion::FullWidthToHalf:
            return {u"資料（ＡＢＣ）.ｔｘｔ", u"会議　メモ１.txt"};
        case Conversion::HalfKanaToFull:
            return {u"ｶﾞｲﾄﾞ.txt", u"ﾊﾟﾝﾌﾚｯﾄ.txt"};
    }
    return {};
}

QString ConvertInScope(QStringView name, Conversion conversion, ConversionScope scope) {
    if (scope == ConversionScope::WholeName)
        return ConvertText(name, conversion);
    const NameParts parts = SplitFileName(name);
    return JoinBaseAndExtension(ConvertText(parts.base, conversion), parts);
}

}  // namespace

std::optional<QString> ConvertedName(QStringView name, Conversion conversion,
                                     ConversionScope scope) {
    QString converted = ConvertInScope(name, conversion, scope);
    if (converted == name)
        return std::nullopt;
    return converted;
}

ConversionPreview ConversionPreviewTexts(Conversion conversion, ConversionScope scope) {
    const Samples samples = SamplesFor(conversion);
    const QString first = ConvertInScope(samples.first, conversion, scope);
    const QString second = ConvertInScope(samples.second, conversion, scope);
    return {JoinTexts({samples.first, u", ", samples.second, u", …"}),
            JoinTexts({first, u", ", second, u", …"})};
}

BatchOperation MakeConversionOperation(Conversion conversion, ConversionScope scope) {
    BatchOperation operation;
    operation.check = [] { return std::optional<QString>(); };
    operation.confirmText = rename_texts::ConfirmConvert.toString();
    operation.newName = [=](const QString& rowName, qint64) {
        return ConvertedName(rowName, conversion, scope);
    };
    return operation;
}

}  // namespace miravel
