#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <optional>

#include "platform/LocalTime.h"

namespace miravel {

class DateTakenCache;

struct DateTakenEntry {
    QString name;
    std::optional<LocalDateTime> taken;
};

// Reads the photos' dates taken off the thread it lives on, through the cache, so that the
// user interface never waits for a disk.
class DateTakenReader : public QObject {
    Q_OBJECT

  public:
    // The cache must outlive the reader. Files are read by `threads` threads at once: a read
    // mostly waits for the disk, which serves several requests at a time.
    explicit DateTakenReader(DateTakenCache& cache, int threads = 4, QObject* parent = nullptr);
    // Cancels what is running and waits for it to stop (at most one file's read per thread).
    ~DateTakenReader() override;

    // Starts reading the dates of the named files of the folder; the request still running, if
    // any, is cancelled and delivers nothing more. Returns the new request's number.
    quint64 Read(const QString& folder, const QStringList& names);
    void Cancel();

  Q_SIGNALS:
    // Dates of some of the request's files as they are read, not necessarily in the order
    // asked; each file of the request comes once.
    void datesRead(quint64 request, const QList<DateTakenEntry>& entries);
    // Every file of the request has been read; comes after the last datesRead.
    void finished(quint64 request);

  private:
    static constexpr qsizetype kBatch = 64;

    void Deliver(quint64 request, QList<DateTakenEntry> entries, bool last);

    DateTakenCache& cache_;
    int threads_;
    QThreadPool pool_;
    std::atomic<quint64> current_ = 0;
};

}  // namespace miravel
