#include "SubstitutionArchive.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"
#include "../common/Cp1251.h"
#include "../common/DataFolder.h"
#include "../common/FileIO.h"
#include "../common/FileSignature.h"

namespace lovaris {
namespace {

constexpr std::size_t kRecordHead = 8;  // row count and block length
constexpr std::size_t kCellOverhead = 8;  // text length and tag

std::vector<std::uint8_t> entryBytes(const ArchiveEntry& e) {
    ByteWriter w;
    w.f64(e.date);
    w.i32(e.offset);
    return w.take();
}

}  // namespace

std::vector<std::uint8_t> EncodeDayRecord(const TZamDataStrings& day) {
    ByteWriter cells;
    for (const auto& row : day.rows)
        for (int c = 0; c < kJournalColumns; ++c) {
            const std::string text = utf8ToCp1251(row.texts[static_cast<std::size_t>(c)]);
            cells.i32(static_cast<std::int32_t>(text.size()));
            cells.bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
            cells.i32(row.tags[static_cast<std::size_t>(c)]);
        }
    ByteWriter w;
    w.i32(day.rowCount());
    w.i32(static_cast<std::int32_t>(cells.size()));
    w.bytes(cells.data());
    return w.take();
}

TZamDataStrings DecodeDayRecord(std::span<const std::uint8_t> bytes) {
    ByteReader r(bytes);
    const std::int32_t rows = r.i32();
    const std::int32_t length = r.i32();
    if (r.failed() || rows < 0 || length < 0 || static_cast<std::size_t>(length) > r.remaining()) return {};
    // Every cell takes at least its length and tag: a row count the block cannot hold is a bad record.
    if (static_cast<std::size_t>(rows) > static_cast<std::size_t>(length) / (kCellOverhead * kJournalColumns)) return {};
    ByteReader block = r.sub(static_cast<std::size_t>(length));
    TZamDataStrings day;
    day.rows.resize(static_cast<std::size_t>(rows));
    for (auto& row : day.rows)
        for (int c = 0; c < kJournalColumns; ++c) {
            const std::int32_t n = block.i32();
            if (block.failed() || n < 0 || !block.canRead(static_cast<std::size_t>(n))) return {};
            const auto text = block.bytes(static_cast<std::size_t>(n));
            row.texts[static_cast<std::size_t>(c)] =
                cp1251ToUtf8({reinterpret_cast<const char*>(text.data()), text.size()});
            row.tags[static_cast<std::size_t>(c)] = block.i32();
        }
    if (block.failed() || block.remaining() != 0) return {};
    return day;
}

std::vector<std::uint8_t> EmptyArchiveBytes() {
    ByteWriter w;
    kArchiveSignature.write(w);
    w.padTo(kArchiveHeaderSize);
    return w.take();
}

std::string SubstitutionArchive::PathFor(const std::string& programFolder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder(DataFolder(programFolder));
    if (fs::is_directory(folder / "Archieve", ec)) folder /= "Archieve";
    return (folder / kArchiveFileName).string();
}

std::unique_ptr<SubstitutionArchive> SubstitutionArchive::Open(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) {
        // Written whole under a temporary name: a stopped creation leaves no half header.
        if (!WriteFileAtomically(path, EmptyArchiveBytes())) return nullptr;
    }
    auto storage = OpenLockedFile(path);
    if (!storage) return nullptr;
    return OpenStorage(std::move(storage));
}

std::unique_ptr<SubstitutionArchive> SubstitutionArchive::OpenStorage(std::unique_ptr<ArchiveStorage> storage) {
    const auto size = storage->size();
    if (!size || *size < kArchiveHeaderSize) return nullptr;
    std::vector<std::uint8_t> header(kArchiveHeaderSize);
    if (!storage->readAt(0, header)) return nullptr;
    ByteReader r(header);
    if (CompareSignature(FileSignature::read(r), kArchiveSignature) != 0) return nullptr;

    std::unique_ptr<SubstitutionArchive> archive(new SubstitutionArchive(std::move(storage)));
    std::copy_n(header.begin(), archive->signature_.size(), archive->signature_.begin());
    archive->entries_.resize(kArchiveEntries);
    for (auto& e : archive->entries_) {
        e.date = r.f64();
        e.offset = r.i32();
    }
    return archive;
}

SubstitutionArchive::~SubstitutionArchive() { Close(); }

int SubstitutionArchive::FindEntry(SerialDate date) const {
    if (!IsJournalDate(date)) return -1;
    for (int i = 0; i < kArchiveEntries; ++i)
        if (entries_[static_cast<std::size_t>(i)].date == static_cast<double>(date)) return i;
    return -1;
}

bool SubstitutionArchive::HasFreeEntry() const {
    return std::any_of(entries_.begin(), entries_.end(), [](const ArchiveEntry& e) { return e.isFree(); });
}

std::vector<SerialDate> SubstitutionArchive::RecordedDates() const {
    std::vector<SerialDate> dates;
    for (const auto& e : entries_) {
        // Only whole day numbers within the journal's dates were ever written by it.
        if (!(e.date >= kFirstJournalDate && e.date <= kLastJournalDate)) continue;
        const auto date = static_cast<SerialDate>(e.date);
        if (static_cast<double>(date) == e.date) dates.push_back(date);
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}

TZamDataStrings SubstitutionArchive::ReadDay(SerialDate date) const {
    const int index = FindEntry(date);
    if (index < 0 || !storage_) return {};
    const auto size = storage_->size();
    const std::int32_t offset = entries_[static_cast<std::size_t>(index)].offset;
    if (!size || offset < 0) return {};
    const std::uint64_t start = kArchiveHeaderSize + static_cast<std::uint64_t>(offset);
    if (start + kRecordHead > *size) return {};
    std::vector<std::uint8_t> head(kRecordHead);
    if (!storage_->readAt(start, head)) return {};
    ByteReader h(head);
    h.i32();
    const std::int32_t length = h.i32();
    if (length < 0 || start + kRecordHead + static_cast<std::uint64_t>(length) > *size) return {};
    std::vector<std::uint8_t> record(kRecordHead + static_cast<std::size_t>(length));
    if (!storage_->readAt(start, record)) return {};
    return DecodeDayRecord(record);
}

bool SubstitutionArchive::writeEntry(int index) {
    const auto bytes = entryBytes(entries_[static_cast<std::size_t>(index)]);
    return storage_->writeAt(20 + kArchiveEntrySize * static_cast<std::size_t>(index), bytes) && storage_->flush();
}

ArchiveSave SubstitutionArchive::SaveDay(SerialDate date, const TZamDataStrings& day) {
    if (!storage_ || !IsJournalDate(date)) return ArchiveSave::WriteFailed;
    int index = FindEntry(date);
    if (index < 0) {
        const auto free = std::find_if(entries_.begin(), entries_.end(), [](const ArchiveEntry& e) { return e.isFree(); });
        if (free == entries_.end()) return ArchiveSave::DirectoryFull;
        index = static_cast<int>(free - entries_.begin());
    }
    const auto size = storage_->size();
    if (!size) return ArchiveSave::WriteFailed;
    const std::uint64_t offset = *size - kArchiveHeaderSize;
    const auto record = EncodeDayRecord(day);
    if (offset + record.size() > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        return ArchiveSave::WriteFailed;
    // The record first, on the disk, then the entry that points at it.
    if (!storage_->writeAt(*size, record) || !storage_->flush()) return ArchiveSave::WriteFailed;
    const ArchiveEntry before = entries_[static_cast<std::size_t>(index)];
    entries_[static_cast<std::size_t>(index)] = {static_cast<double>(date), static_cast<std::int32_t>(offset)};
    if (!writeEntry(index)) {
        entries_[static_cast<std::size_t>(index)] = before;
        return ArchiveSave::WriteFailed;
    }
    return ArchiveSave::Saved;
}

bool SubstitutionArchive::FreeDay(SerialDate date) {
    const int index = FindEntry(date);
    if (index < 0) return true;
    if (!storage_) return false;
    const ArchiveEntry before = entries_[static_cast<std::size_t>(index)];
    entries_[static_cast<std::size_t>(index)] = {};
    if (writeEntry(index)) return true;
    entries_[static_cast<std::size_t>(index)] = before;
    return false;
}

bool SubstitutionArchive::Close() {
    if (!storage_) return true;
    ByteWriter w;
    w.bytes(signature_);
    for (const auto& e : entries_) w.bytes(entryBytes(e));
    const bool written = storage_->writeAt(0, w.data()) && storage_->flush();
    storage_.reset();
    return written;
}

}  // namespace lovaris
