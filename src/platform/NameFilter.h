#pragma once

#include <QStringView>

namespace miravel {

// Which names of a folder a listing keeps; asked before anything else is read of the file.
class NameFilter {
  public:
    virtual ~NameFilter() = default;
    virtual bool Accepts(QStringView name) const = 0;
};

}  // namespace miravel
