#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "platform/FileSystem.h"

namespace miravel {

// The hidden file list: the folder's files that match the pattern, in name order, with the
// information the table needs read in the same pass.
class FileListBox : public QObject {
    Q_OBJECT

  public:
    explicit FileListBox(FileSystem& fileSystem, QObject* parent = nullptr);

    QString Path() const { return path_; }
    QString Pattern() const { return pattern_; }
    // Each reads the folder again and then announces the change.
    void SetPath(const QString& path);
    void SetPattern(const QString& pattern);
    // Reads the folder again without announcing anything.
    void Refresh();

    const std::vector<ListedFile>& Files() const { return files_; }
    int ListCount() const { return static_cast<int>(files_.size()); }
    const QString& List(int index) const { return files_[size_t(index)].name; }

  Q_SIGNALS:
    void PathChange();
    void PatternChange();

  private:
    FileSystem& fileSystem_;
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    std::vector<ListedFile> files_;
};

}  // namespace miravel
