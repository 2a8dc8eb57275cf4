#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "platform/FileNameCodec.h"

// A broken property stops the run and keeps the input, as a crash would.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace miravel::fuzz {

// Text as a user types it: always well-formed (bytes that are not UTF-8 become U+FFFD).
inline QString TypedText(FuzzedDataProvider& input, std::size_t maxBytes) {
    return QString::fromStdString(input.ConsumeRandomLengthString(maxBytes));
}

// A name as the folder holds it: any bytes, decoded losslessly.
inline QString DiskName(const std::string& bytes) {
    return DecodeFileName(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// No surrogate stands alone: nothing was cut between the halves of a pair.
inline bool IsWellFormed(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

}  // namespace miravel::fuzz
