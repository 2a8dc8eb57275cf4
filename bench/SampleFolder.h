#pragma once

#include <QByteArray>
#include <QString>

#include "platform/FileNameCodec.h"
#include <vector>

namespace miravel::bench {

// A folder of n files made for one benchmark and removed with it: names of mixed case,
// Japanese, half-width kana and accented letters, several extensions (a fifth of them match
// "*.jpg"), a tenth of the files non-empty with sizes up to a few hundred kilobytes (sparse).
class SampleFolder {
  public:
    // Made under `base` (a folder on the file system to measure).
    SampleFolder(const QString& base, int n);
    ~SampleFolder();
    SampleFolder(const SampleFolder&) = delete;
    SampleFolder& operator=(const SampleFolder&) = delete;

    QString path() const { return DecodeFileName(path_); }
    const QByteArray& encodedPath() const { return path_; }
    const std::vector<QByteArray>& names() const { return names_; }
    bool ok() const { return ok_; }

    static QString SampleName(int index);

  private:
    QByteArray path_;
    std::vector<QByteArray> names_;
    bool ok_ = false;
};

// Removes a folder's entries and the folder (one level deep).
void RemoveFolder(const QByteArray& path);

}  // namespace miravel::bench
