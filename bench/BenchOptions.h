#pragma once

#include <QString>
#include <QStringList>

namespace miravel::bench {

struct BenchOptions {
    bool json = false;
    bool quick = false;  // fewer rounds: a quick look, not figures to quote
    QString baseFolder;  // where the sample folders are made
    QStringList only;    // groups to run (fill, sort, rename, memory, startup, operations, photos,
                         // listing); all when empty
    QString selfPath;    // this program, started again for the measurements that need a process

    bool Wants(const QString& group) const { return only.isEmpty() || only.contains(group); }
    // Timed rounds for a size: more for the small ones, whose times scatter more.
    int Rounds(qint64 n) const;
};

// Parses the command line; on a bad argument prints the usage and returns false.
bool ParseBenchOptions(const QStringList& arguments, BenchOptions& options);

}  // namespace miravel::bench
