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
    QMimeDatabase database_;
    QHash<QString, QString> byExtension_;  // lower-case extension -> description
};

}  // namespace miravel
