#pragma once

#include <QHash>
#include <QMimeDatabase>
#include <QString>
#include <QStringView>

namespace miravel {

// The type text of a file, from its extension only (the file is never read), in the user's
// language. Each extension is looked up once and remembered.
class TypeDescriptions {
  public:
    QString Describe(QStringView fileName);

  private:
    QString DescribeExtension(const QString& lowerExtension);

    // Short ASCII extensions, the usual ones, are looked up here without making a string: a
    // fill asks once per file.
    struct RecentExtension {
        qsizetype length = -1;
        char16_t text[12] = {};
        QString description;
    };
    static constexpr size_t kRecentSlots = 64;
    RecentExtension recent_[kRecentSlots];

    QMimeDatabase database_;
    QHash<QString, QString> byExtension_;  // lower-case extension -> description
};

}  // namespace miravel
