// One pass over a folder that serves both the folder list and the file table.
#include <fcntl.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/EntryType.h"
#include "platform/FileNameCodec.h"
#include "platform/FileStatus.h"
#include "platform/FileSystem.h"
#include "platform/FolderReader.h"
#include "platform/SystemErrorText.h"

namespace miravel {

namespace {

// Below this many entries a second thread costs more than it saves.
constexpr size_t kEntriesPerThread = 4096;

struct RawEntry {
    quint32 nameOffset = 0;  // into the byte store, NUL-terminated there
    EntryType type = EntryType::Unknown;
    EntryStatus::Kind kind = EntryStatus::Kind::Missing;  // filled in by the workers
};

int ThreadsFor(size_t entries, int asked) {
    int threads = asked > 0 ? asked : int(std::thread::hardware_concurrency());
    threads = std::max(1, threads);
    return int(std::min<size_t>(size_t(threads), std::max<size_t>(1, entries / kEntriesPerThread)));
}

// Decodes and, where the entry cannot tell by itself, stats the entries [begin, end).
void Resolve(int folderFd, const std::vector<char>& bytes, std::vector<RawEntry>& entries,
             std::vector<ListedFile>& files, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        RawEntry& entry = entries[i];
        const char* name = bytes.data() + entry.nameOffset;
        if (entry.type == EntryType::Folder) {
            entry.kind = EntryStatus::Kind::Folder;
        } else {
            const FileStatus status = StatAt(folderFd, name, true);
            if (status.IsRegularFile()) {
                entry.kind = EntryStatus::Kind::File;
                files[i].stat = status.stat;
            } else if (status.IsFolder()) {
                entry.kind = EntryStatus::Kind::Folder;
            } else {
                entry.kind = EntryStatus::Kind::Other;
                continue;
            }
        }
        files[i].name = DecodeFileName(name);
    }
}

}  // namespace

FolderContents FileSystem::ReadFolder(const QString& folder) const {
    FolderContents contents;
    const QByteArray encoded = EncodeFileName(folder);
    if (encoded.contains('\0')) {
        contents.error = SystemErrorText(EINVAL);
        return contents;
    }
    FolderReader reader(encoded);
    if (reader.openError() != 0) {
        contents.error = SystemErrorText(reader.openError());
        return contents;
    }

    // The names go into one store first, so that the stat calls can be shared out.
    std::vector<char> bytes;
    std::vector<RawEntry> entries;
    while (const dirent* entry = reader.Next()) {
        const EntryType type = TypeOf(entry);
        if (type == EntryType::Other)
            continue;
        const size_t length = std::strlen(entry->d_name) + 1;
        RawEntry& raw = entries.emplace_back();
        raw.nameOffset = quint32(bytes.size());
        raw.type = type;
        bytes.insert(bytes.end(), entry->d_name, entry->d_name + length);
    }
    if (reader.readError() != 0) {
        contents.error = SystemErrorText(reader.readError());
        return contents;
    }

    std::vector<ListedFile> slots(entries.size());
    const int threads = ThreadsFor(entries.size(), listingThreads);
    if (threads <= 1) {
        Resolve(reader.fd(), bytes, entries, slots, 0, entries.size());
    } else {
        std::vector<std::thread> workers;
        const size_t share = (entries.size() + size_t(threads) - 1) / size_t(threads);
        for (int t = 1; t < threads; ++t) {
            const size_t begin = std::min(entries.size(), size_t(t) * share);
            const size_t end = std::min(entries.size(), begin + share);
            workers.emplace_back(
                [&, begin, end] { Resolve(reader.fd(), bytes, entries, slots, begin, end); });
        }
        Resolve(reader.fd(), bytes, entries, slots, 0, std::min(entries.size(), share));
        for (std::thread& worker : workers)
            worker.join();
    }
    std::vector<char>().swap(bytes);

    size_t fileCount = 0;
    for (const RawEntry& entry : entries)
        fileCount += entry.kind == EntryStatus::Kind::File ? 1 : 0;
    contents.files.reserve(fileCount);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].kind == EntryStatus::Kind::File)
            contents.files.push_back(std::move(slots[i]));
        else if (entries[i].kind == EntryStatus::Kind::Folder)
            contents.folders.append(std::move(slots[i].name));
    }
    contents.ok = true;
    return contents;
}

std::vector<EntryStatus> FileSystem::StatEntries(const QString& folder,
                                                 const QStringList& names) const {
    std::vector<EntryStatus> statuses(size_t(names.size()));
    const QByteArray encoded = EncodeFileName(folder);
    if (encoded.contains('\0'))
        return statuses;
    const int folderFd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return statuses;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QByteArray name = EncodeFileName(names[i]);
        // A name is one entry of this folder: nothing with a separator or a NUL, no "." or "..".
        if (name.isEmpty() || name.contains('/') || name.contains('\0') || name == "." ||
            name == "..")
            continue;
        const FileStatus status = StatAt(folderFd, name.constData(), true);
        EntryStatus& out = statuses[size_t(i)];
        if (status.IsRegularFile()) {
            out.kind = EntryStatus::Kind::File;
            out.stat = status.stat;
        } else if (status.IsFolder()) {
            out.kind = EntryStatus::Kind::Folder;
        } else if (status.ok()) {
            out.kind = EntryStatus::Kind::Other;
        }
    }
    ::close(folderFd);
    return statuses;
}

}  // namespace miravel
