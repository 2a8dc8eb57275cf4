#pragma once

#include <QStringView>

namespace miravel {

// Which names a listing keeps. The adapter knows nothing of patterns; whoever asks for a
// listing says what to keep.
class NameFilter {
  public:
    virtual ~NameFilter() = default;
    virtual bool Accepts(QStringView name) const = 0;
};

}  // namespace miravel
