#include "platform/PhotoDate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDate>
#include <mutex>
#include <string>

#include "platform/FileNameCodec.h"

// exiv2 0.27 hands its images out in std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace miravel {

namespace {

std::mutex xmpMutex;

void LockXmp(void*, bool lock) {
    if (lock)
        xmpMutex.lock();
    else
        xmpMutex.unlock();
}

// Once per process: the library writes its warnings to stderr unless told not to, and its XMP
// toolkit has to be set up before two threads may parse at once.
void SetUpLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize(LockXmp, nullptr);
#ifdef EXV_ENABLE_BMFF
        Exiv2::enableBMFF(true);
#endif
    });
}

std::optional<LocalDateTime> DateFromExif(const Exiv2::ExifData& exif) {
    for (const char* key : {"Exif.Photo.DateTimeOriginal", "Exif.Image.DateTimeOriginal"}) {
        const auto found = exif.findKey(Exiv2::ExifKey(key));
        if (found == exif.end())
            continue;
        const std::string text = found->toString();
        if (std::optional<LocalDateTime> date = ParseExifDateTime(text))
            return date;
    }
    return std::nullopt;
}

// The library opens files by name; the open descriptor's own name keeps it on the very file
// that was checked, whatever happens to the path meanwhile.
std::string LibraryPath(int fd, const QString& path) {
    static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
    if (procFds)
        return "/proc/self/fd/" + std::to_string(fd);
    return EncodeFileName(path).toStdString();
}

}  // namespace

PhotoFile::PhotoFile(int fd, const QString& path, const FileIdentity& identity)
    : fd_(std::make_shared<UniqueFd>(fd)), path_(path), identity_(identity) {}

std::optional<PhotoFile> PhotoFile::Open(const QString& path) {
    const QByteArray encoded = EncodeFileName(path);
    UniqueFd fd(::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const FileIdentity identity{
        quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
        qint64(status.st_mtim.tv_sec) * 1000000000 + qint64(status.st_mtim.tv_nsec)};
    return PhotoFile(fd.release(), path, identity);
}

std::optional<LocalDateTime> PhotoFile::ReadDateTaken() const {
    SetUpLibrary();
    try {
        Exiv2::BasicIo::AutoPtr io(new Exiv2::FileIo(LibraryPath(fd_->get(), path_)));
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(io);
        if (image.get() == nullptr)
            return std::nullopt;
        image->readMetadata();
        return DateFromExif(image->exifData());
    } catch (...) {
        // A damaged or unknown file has no date to give; exiv2 says so by throwing.
        return std::nullopt;
    }
}

std::optional<LocalDateTime> ReadDateTaken(const QString& path) {
    const std::optional<PhotoFile> file = PhotoFile::Open(path);
    return file ? file->ReadDateTaken() : std::nullopt;
}

std::optional<LocalDateTime> ParseExifDateTime(QByteArrayView text) {
    // Digits at the places of "YYYY:MM:DD HH:MM:SS".
    constexpr int kStarts[] = {0, 5, 8, 11, 14, 17};
    constexpr int kWidths[] = {4, 2, 2, 2, 2, 2};
    if (text.size() < 19)
        return std::nullopt;
    int fields[6] = {};
    for (int f = 0; f < 6; ++f) {
        for (int i = kStarts[f]; i < kStarts[f] + kWidths[f]; ++i) {
            const char c = text[i];
            if (c < '0' || c > '9')
                return std::nullopt;
            fields[f] = fields[f] * 10 + (c - '0');
        }
    }
    const auto [year, month, day, hour, minute, second] = fields;
    if (year < 1 || !QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 60)
        return std::nullopt;
    return LocalDateTime::FromFields(year, month, day, hour, minute, std::min(second, 59));
}

}  // namespace miravel

#pragma GCC diagnostic pop
