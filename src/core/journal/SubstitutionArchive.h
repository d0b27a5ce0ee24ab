#pragma once
// The substitution archive "zarch.sys": a 20-byte signature, a directory of 2000
// entries of 12 bytes (the day's serial date as a double, 0 for a free entry, and
// the offset of its record in the data area), then the data area from byte 24020
// where day records are appended and never rewritten.
//
// Each save appends the day's record, puts it on the disk, and only then points the
// day's entry at it and puts that entry on the disk: a program that stops at any
// moment leaves every day saved before whole.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ArchiveStorage.h"
#include "JournalDate.h"
#include "TZamDataStrings.h"

namespace lovaris {

inline constexpr int kArchiveEntries = 2000;
inline constexpr std::size_t kArchiveEntrySize = 12;
inline constexpr std::size_t kArchiveHeaderSize = 20 + kArchiveEntries * kArchiveEntrySize;  // 24020
inline constexpr const char* kArchiveFileName = "zarch.sys";

struct ArchiveEntry {
    double date = 0;           // serial date; 0 free
    std::int32_t offset = 0;   // from the start of the data area
    bool isFree() const { return date == 0; }
};

enum class ArchiveSave { Saved, DirectoryFull, WriteFailed };

// The bytes of a day record, and the day they hold: an empty day for any record
// whose lengths do not add up within `bytes` (counted from the record's start).
std::vector<std::uint8_t> EncodeDayRecord(const TZamDataStrings& day);
TZamDataStrings DecodeDayRecord(std::span<const std::uint8_t> bytes);

// A new archive: the signature and a free directory.
std::vector<std::uint8_t> EmptyArchiveBytes();

class SubstitutionArchive {
public:
    // The archive of the program in `programFolder`: in its sub-folder "Archieve"
    // when there is one, else beside the program (or in the user's data folder
    // when the program's folder may not be written).
    static std::string PathFor(const std::string& programFolder);
    // Creates a missing file; none when the file cannot be created or opened, is
    // held by another opener, is shorter than its header or is no archive of ours.
    static std::unique_ptr<SubstitutionArchive> Open(const std::string& path);
    // The same over bytes held elsewhere (tests, the fuzzer).
    static std::unique_ptr<SubstitutionArchive> OpenStorage(std::unique_ptr<ArchiveStorage> storage);

    ~SubstitutionArchive();
    SubstitutionArchive(const SubstitutionArchive&) = delete;
    SubstitutionArchive& operator=(const SubstitutionArchive&) = delete;

    // The directory entry of the date (0-based), -1 none. A free entry never matches.
    int FindEntry(SerialDate date) const;
    bool HasFreeEntry() const;
    const ArchiveEntry& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    // The dates that have records, each once, in ascending order.
    std::vector<SerialDate> RecordedDates() const;

    // An empty day when the date has no record or its record cannot be read.
    TZamDataStrings ReadDay(SerialDate date) const;
    // Appends the day's record and points the date's entry (or the first free one) at it.
    ArchiveSave SaveDay(SerialDate date, const TZamDataStrings& day);
    // Frees the date's entry; true when there was none or it was freed on disk.
    bool FreeDay(SerialDate date);
    // Writes the whole header back and releases the file; true when it was written.
    bool Close();

private:
    explicit SubstitutionArchive(std::unique_ptr<ArchiveStorage> storage) : storage_(std::move(storage)) {}
    bool writeEntry(int index);

    std::unique_ptr<ArchiveStorage> storage_;
    std::array<std::uint8_t, 20> signature_{};
    std::vector<ArchiveEntry> entries_;
};

}  // namespace lovaris
