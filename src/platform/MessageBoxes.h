#pragma once

#include <QString>

namespace miravel {

// Every error box and confirmation of the program goes through here, so tests can script
// the answers.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Stop icon, OK only.
    virtual void Error(const QString& text, const QString& title) = 0;
    // Information icon, OK (default) and Cancel; true for OK. details, when not empty, is
    // offered behind the box's details button.
    virtual bool Confirm(const QString& text, const QString& title, const QString& details = {}) = 0;
};

}  // namespace miravel
