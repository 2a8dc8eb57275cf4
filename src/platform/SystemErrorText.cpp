#include "platform/SystemErrorText.h"

#include <string.h>

namespace miravel {

namespace {

// strerror_r comes in two flavours (GNU returns the text, XSI fills the buffer).
[[maybe_unused]] const char* PickText(int result, const char* buffer) {
    return result == 0 ? buffer : nullptr;
}
[[maybe_unused]] const char* PickText(const char* result, const char*) {
    return result;
}

}  // namespace

QString SystemErrorText(int errorNumber) {
    char buffer[256] = {};
    const char* text = PickText(strerror_r(errorNumber, buffer, sizeof buffer), buffer);
    if (text == nullptr || *text == '\0')
        return QStringLiteral("error %1").arg(errorNumber);
    return QString::fromLocal8Bit(text);
}

}  // namespace miravel
