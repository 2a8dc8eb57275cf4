#include "SamplePhoto.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QImage>

// exiv2 0.27 hands its images out in std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace miravel::test {

QByteArray JpegBytes(const QByteArray& date, const char* tag, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    quint32 noise = 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xFF000000u | (noise >> 8));
        }
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    const QByteArray plain = buffer.data();
    if (date.isEmpty())
        return plain;
    Exiv2::Image::AutoPtr photo = Exiv2::ImageFactory::open(
        reinterpret_cast<const Exiv2::byte*>(plain.constData()), long(plain.size()));
    photo->exifData()[tag] = date.toStdString();
    photo->writeMetadata();
    Exiv2::BasicIo& io = photo->io();
    io.seek(0, Exiv2::BasicIo::beg);
    const Exiv2::DataBuf written = io.read(io.size());
    return QByteArray(reinterpret_cast<const char*>(written.pData_), written.size_);
}

bool WriteFileBytes(const QByteArray& encodedPath, const QByteArray& bytes) {
    const int fd = ::open(encodedPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

}  // namespace miravel::test

#pragma GCC diagnostic pop
