#pragma once

#include <QByteArrayView>
#include <QString>
#include <compare>
#include <memory>
#include <optional>

#include "platform/FileIdentity.h"
#include "platform/LocalTime.h"
#include "platform/UniqueFd.h"

namespace miravel {

// A regular file held open, so that its identity and its contents are those of one file.
class PhotoFile {
  public:
    // Nothing for a path that cannot be opened and for anything but a regular file (or a link
    // to one); never blocks on a pipe or a device.
    static std::optional<PhotoFile> Open(const QString& path);

    const FileIdentity& identity() const { return identity_; }
    // The photo's EXIF DateTimeOriginal, read from its metadata alone (JPEG, TIFF, PNG, WebP,
    // the common raw formats, HEIF where the library has it). Nothing for a file without one,
    // with an impossible one, or that is not an image the library knows. Never throws, and
    // the library's own messages are kept quiet. Safe on several threads at once.
    std::optional<LocalDateTime> ReadDateTaken() const;

  private:
    PhotoFile(int fd, const QString& path, const FileIdentity& identity);

    std::shared_ptr<UniqueFd> fd_;
    QString path_;
    FileIdentity identity_;
};

// Open and read in one step.
std::optional<LocalDateTime> ReadDateTaken(const QString& path);

// An EXIF date "YYYY:MM:DD HH:MM:SS" (any separators); nothing for blanks, zeros and dates
// that do not exist. A leap second reads as 59.
std::optional<LocalDateTime> ParseExifDateTime(QByteArrayView text);

}  // namespace miravel
