#include "platform/DateTakenReader.h"

#include <memory>

#include "platform/DateTakenCache.h"
#include "platform/FileSystem.h"

namespace miravel {

DateTakenReader::DateTakenReader(DateTakenCache& cache, int threads, QObject* parent)
    : QObject(parent), cache_(cache), threads_(std::max(1, threads)) {
    pool_.setMaxThreadCount(threads_);
}

DateTakenReader::~DateTakenReader() {
    Cancel();
    pool_.waitForDone();
}

quint64 DateTakenReader::Read(const QString& folder, const QStringList& names) {
    const quint64 request = ++current_;
    // The workers share the request: each takes the next file not yet taken.
    struct Shared {
        QString prefix;
        QStringList names;
        std::atomic<qsizetype> next = 0;
        std::atomic<int> running = 0;
    };
    auto shared = std::make_shared<Shared>();
    shared->prefix = FolderPrefix(folder);
    shared->names = names;
    const int workers = int(std::min<qsizetype>(threads_, std::max<qsizetype>(1, names.size())));
    shared->running = workers;
    for (int w = 0; w < workers; ++w) {
        pool_.start([this, request, shared] {
            QList<DateTakenEntry> batch;
            for (qsizetype i = shared->next++; i < shared->names.size(); i = shared->next++) {
                if (current_.load() != request)
                    break;
                const QString& name = shared->names[i];
                batch.append({name, cache_.DateOf(shared->prefix + name)});
                if (batch.size() == kBatch)
                    Deliver(request, std::exchange(batch, {}), false);
            }
            Deliver(request, std::move(batch), false);
            // The last worker out reports the end, after every batch has been posted.
            if (--shared->running == 0)
                Deliver(request, {}, true);
        });
    }
    return request;
}

void DateTakenReader::Cancel() {
    ++current_;
}

void DateTakenReader::Deliver(quint64 request, QList<DateTakenEntry> entries, bool last) {
    if (entries.isEmpty() && !last)
        return;
    // Emitted on the reader's own thread; a request cancelled meanwhile stays silent.
    QMetaObject::invokeMethod(
        this,
        [this, request, entries = std::move(entries), last] {
            if (current_.load() != request)
                return;
            if (!entries.isEmpty())
                Q_EMIT datesRead(request, entries);
            if (last)
                Q_EMIT finished(request);
        },
        Qt::QueuedConnection);
}

}  // namespace miravel
