#pragma once

#include <QByteArray>

namespace miravel::test {

// A real JPEG of the given size (small unless told otherwise), its pixels varied so that the
// image data is not trivially small. With a date ("YYYY:MM:DD HH:MM:SS"), exiv2 writes it into
// the EXIF as the tag named.
QByteArray JpegBytes(const QByteArray& date = {}, const char* tag = "Exif.Photo.DateTimeOriginal",
                     int width = 8, int height = 8);

// Writes a file whose path is given as raw bytes (names that are not valid UTF-8).
bool WriteFileBytes(const QByteArray& encodedPath, const QByteArray& bytes);

}  // namespace miravel::test
