#pragma once

#include <QString>

namespace miravel {

// The login name of the user the program runs as; empty when the system knows none.
QString CurrentLoginName();

// The numeric id of that user.
quint32 CurrentUserId();

}  // namespace miravel
