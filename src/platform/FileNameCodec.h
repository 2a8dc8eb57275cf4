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

// The name as it will read back from the disk once written: DecodeFileName(EncodeFileName(n)).
// A name composed from decoded names can differ from its own reading, since escaped bytes that
// come side by side can make valid UTF-8 ("\xE3" next to "\x81\x82" is "あ"). Two names in
// this form are equal exactly when their bytes are.
QString CanonicalFileName(const QString& name);

}  // namespace miravel
