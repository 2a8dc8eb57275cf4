#pragma once

#include <QString>

namespace miravel {

// The system's own description of an errno value, in the user's language where the system
// has a translation.
QString SystemErrorText(int errorNumber);

}  // namespace miravel
