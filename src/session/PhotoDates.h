#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/DateTakenCache.h"
#include "platform/DateTakenReader.h"
#include "platform/LocalTime.h"

namespace miravel {

class WorkProgress;

// The photos' dates taken of the folder's files for the date tokens. What is shown while the
// user types comes from what is known at once, the rest being read on worker threads; a run
// reads what it needs itself. Each version of a file is read from its disk once.
class PhotoDates : public QObject {
    Q_OBJECT

  public:
    explicit PhotoDates(QObject* parent = nullptr);

    // What is known of a file of the folder: nothing while it has not been read, else its date
    // (or nothing inside, for a file without one).
    std::optional<std::optional<LocalDateTime>> Known(const QString& name) const;
    // Starts reading, off this thread, the named files neither known nor already on their way;
    // DatesArrived tells when some came.
    void Request(const QString& folder, const QStringList& names);
    // The dates of the named files, read now on this thread where the files are new to the
    // cache; the progress counts the files.
    QHash<QString, std::optional<LocalDateTime>> ReadNow(const QString& folder,
                                                         const QStringList& names,
                                                         WorkProgress* progress);
    // The folder's files may have changed: nothing is known any more (the cache still spares
    // the disk for files that did not).
    void Forget();

  Q_SIGNALS:
    void DatesArrived();

  private:
    void UseFolder(const QString& folder);

    DateTakenCache cache_;
    DateTakenReader reader_;
    QString folder_;
    QHash<QString, std::optional<LocalDateTime>> known_;
    QSet<QString> pending_;  // asked of the reader, not come yet
};

}  // namespace miravel
