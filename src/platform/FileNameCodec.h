#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace miravel {

// File names on Linux are bytes. Bytes that are not valid UTF-8 are carried as lone
// surrogates U+DC80..U+DCFF (one per byte) so that every name survives a round trip:
// EncodeFileName(DecodeFileName(b)) == b for every byte string b.
QString DecodeFileName(QByteArrayView bytes);
QByteArray EncodeFileName(QStringView name);

}  // namespace miravel
