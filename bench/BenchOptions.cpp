#include "BenchOptions.h"

#include <QDir>
#include <cstdio>

namespace miravel::bench {

int BenchOptions::Rounds(qint64 n) const {
    if (quick)
        return 3;
    if (n <= 1000)
        return 31;
    if (n <= 10000)
        return 15;
    return 9;
}

namespace {

void PrintUsage() {
    std::fputs(
        "usage: miravel-bench [--json] [--quick] [--dir FOLDER] [--only GROUP[,GROUP...]]\n"
        "  --json     print the figures as one JSON array instead of a table\n"
        "  --quick    three rounds each: a quick look, not figures to quote\n"
        "  --dir      make the sample folders under FOLDER (default: the temporary folder)\n"
        "  --only     groups to run: fill, sort, rename, memory, startup, operations,\n"
        "             photos, preview, listing\n",
        stderr);
}

}  // namespace

bool ParseBenchOptions(const QStringList& arguments, BenchOptions& options) {
    options.baseFolder = QDir::tempPath();
    options.selfPath = arguments.value(0);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--json")) {
            options.json = true;
        } else if (argument == QLatin1String("--quick")) {
            options.quick = true;
        } else if (argument == QLatin1String("--dir") && i + 1 < arguments.size()) {
            options.baseFolder = arguments[++i];
        } else if (argument == QLatin1String("--only") && i + 1 < arguments.size()) {
            options.only = arguments[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else {
            PrintUsage();
            return false;
        }
    }
    return true;
}

}  // namespace miravel::bench
