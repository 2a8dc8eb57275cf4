#pragma once

#include <QString>

namespace miravel {

// The program's version fields, which the window caption is built from.
struct VersionFields {
    QString companyName;
    QString fileDescription;
    QString productName;
    int major = 0;
    int minor = 0;
};

// "Company Description 『Product Vermajor.minor』"; also the title of every message box.
QString WindowCaption(const VersionFields& fields);

}  // namespace miravel
