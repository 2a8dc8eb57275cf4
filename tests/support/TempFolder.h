#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace miravel::test {

// A real temporary folder that makes files with given sizes and times.
class TempFolder {
  public:
    TempFolder();
    // Removes the contents byte by byte, so names that are not valid UTF-8 go too.
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    QString path() const { return dir_.path(); }
    QString FilePath(const QString& name) const { return dir_.path() + "/" + name; }

    // Creates (or overwrites) a file of `size` bytes; a size above a few MiB is made sparse.
    void MakeFile(const QString& name, qint64 size = 0, const QByteArray& fill = "x");
    // Like MakeFile but with a name given as raw bytes (names that are not valid UTF-8).
    void MakeFileRaw(const QByteArray& name, qint64 size = 0);
    void MakeFolder(const QString& name);
    void SetModified(const QString& name, const QDateTime& when);
    QByteArray Content(const QString& name) const;
    // Sorted names of the regular files and folders in the folder (not recursive).
    QStringList Names() const;
    bool Exists(const QString& name) const;
    // Sorted names of every entry exactly as the folder holds them, whatever their encoding.
    QList<QByteArray> RawNames() const;

  private:
    QTemporaryDir dir_;
};

}  // namespace miravel::test
