#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <vector>
#include "platform/FileNameCodec.h"

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

// The sample folders of one run, each size made once when first asked for (making files is
// slow on a busy file system) and removed at the end.
class SampleFolders {
  public:
    explicit SampleFolders(const QString& base) : base_(base) {}
    // Nothing when the folder could not be made.
    const SampleFolder* Get(int n);

  private:
    QString base_;
    std::map<int, std::unique_ptr<SampleFolder>> folders_;
};

// Removes a folder's entries and the folder (one level deep).
void RemoveFolder(const QByteArray& path);

}  // namespace miravel::bench
