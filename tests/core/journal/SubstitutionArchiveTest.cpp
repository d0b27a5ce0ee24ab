// The archive file: its bytes, the checks on opening, damaged records, failed writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../support/ByteDamage.h"
#include "JournalTestSchool.h"
#include "core/common/ByteWriter.h"
#include "core/common/FileIO.h"

namespace lovaris {
namespace {

using test::Bytes;
using test::kMonday;
using test::MemoryArchive;

TZamDataStrings dayOf(std::initializer_list<std::pair<const char*, std::int32_t>> lessons) {
    TZamDataStrings day;
    for (const auto& [lesson, tag] : lessons) {
        JournalRow row;
        row.texts[kColLesson] = lesson;
        row.texts[kColAbsent] = "Иванова";
        row.tags[kColAbsent] = tag;
        day.rows.push_back(row);
    }
    return day;
}

Bytes entryAt(const Bytes& file, int index) {
    const auto at = 20 + 12 * static_cast<std::size_t>(index);
    return {file.begin() + static_cast<std::ptrdiff_t>(at), file.begin() + static_cast<std::ptrdiff_t>(at + 12)};
}

Bytes entryBytes(double date, std::int32_t offset) {
    ByteWriter w;
    w.f64(date);
    w.i32(offset);
    return w.take();
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("lovaris-archive-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string path(const char* name = kArchiveFileName) const { return (folder_ / name).string(); }
    Bytes bytes() const { return *ReadWholeFile(path()); }

private:
    std::filesystem::path folder_;
};

using ArchiveFile = TempFolder;

// Create, save a day, save it again, delete it: the bytes at every step, each entry on
// the disk as soon as its record is, and the same header written once more on closing.
TEST_F(ArchiveFile, BytesOfCreateSaveSaveAgainDelete) {
    auto archive = SubstitutionArchive::Open(path());
    ASSERT_TRUE(archive);
    Bytes expected = EmptyArchiveBytes();
    ASSERT_EQ(expected.size(), 24020u);
    EXPECT_EQ(Bytes(expected.begin(), expected.begin() + 12),
              (Bytes{10, 'Z', 'M', 'S', 'H', '-', 'T', 'A', 'B', 'L', 'E', 0}));
    EXPECT_EQ(bytes(), expected);

    const auto first = dayOf({{"1", 3}});
    const auto record1 = EncodeDayRecord(first);
    // R = 1, B = 9 cells of 8 bytes plus "1" and "Иванова" (7 bytes in Windows-1251).
    ASSERT_EQ(record1.size(), 8u + 9 * 8 + 1 + 7);
    EXPECT_EQ(Bytes(record1.begin(), record1.begin() + 8), (Bytes{1, 0, 0, 0, 80, 0, 0, 0}));
    ASSERT_EQ(archive->SaveDay(kMonday, first), ArchiveSave::Saved);
    expected.insert(expected.end(), record1.begin(), record1.end());
    auto entry = entryBytes(kMonday, 0);
    std::copy(entry.begin(), entry.end(), expected.begin() + 20);
    EXPECT_EQ(bytes(), expected) << "the entry is on the disk before the archive closes";

    // Saved again: a second record, the old one stays, the entry points at the newer.
    const auto second = dayOf({{"1", 3}, {"2", 3}});
    const auto record2 = EncodeDayRecord(second);
    ASSERT_EQ(archive->SaveDay(kMonday, second), ArchiveSave::Saved);
    expected.insert(expected.end(), record2.begin(), record2.end());
    entry = entryBytes(kMonday, static_cast<std::int32_t>(record1.size()));
    std::copy(entry.begin(), entry.end(), expected.begin() + 20);
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(archive->ReadDay(kMonday), second);

    ASSERT_TRUE(archive->FreeDay(kMonday));
    std::fill(expected.begin() + 20, expected.begin() + 32, 0);
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(archive->ReadDay(kMonday).rowCount(), 0);

    EXPECT_TRUE(archive->Close());
    EXPECT_EQ(bytes(), expected);
}

TEST_F(ArchiveFile, RefusedFilesStayAsTheyWere) {
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes otherKind = EmptyArchiveBytes();
    std::copy_n("TIME", 4, otherKind.begin() + 1);
    Bytes newer = EmptyArchiveBytes();
    newer[12] = 2;
    Bytes shorter = EmptyArchiveBytes();
    shorter.pop_back();
    const Case cases[] = {
        {"shorter than the header", shorter},
        {"another kind of file", otherKind},
        {"a newer version", newer},
        {"any large file", Bytes(30000, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteFileAtomically(path(), c.bytes));
        EXPECT_FALSE(SubstitutionArchive::Open(path()));
        EXPECT_EQ(bytes(), c.bytes);
    }
}

TEST_F(ArchiveFile, ASecondOpenerIsRefusedWhileTheArchiveIsOpen) {
    auto first = SubstitutionArchive::Open(path());
    ASSERT_TRUE(first);
    EXPECT_FALSE(SubstitutionArchive::Open(path()));
    ASSERT_EQ(first->SaveDay(kMonday, dayOf({{"1", 1}})), ArchiveSave::Saved);
    first->Close();
    auto second = SubstitutionArchive::Open(path());
    ASSERT_TRUE(second);
    EXPECT_EQ(second->ReadDay(kMonday).rowCount(), 1);
}

TEST_F(ArchiveFile, FoundInTheArchiveFolderWhenThereIsOne) {
    const auto folder = std::filesystem::path(path()).parent_path();
    EXPECT_EQ(SubstitutionArchive::PathFor(folder.string()), (folder / "zarch.sys").string());
    std::filesystem::create_directory(folder / "Archieve");
    EXPECT_EQ(SubstitutionArchive::PathFor(folder.string()), (folder / "Archieve" / "zarch.sys").string());
}

TEST(Archive, DateZeroIsNoDayAndNeverMatchesAFreeEntry) {
    MemoryArchive m;
    EXPECT_EQ(m.archive->FindEntry(0), -1);
    EXPECT_EQ(m.archive->SaveDay(0, dayOf({{"1", 1}})), ArchiveSave::WriteFailed);
    EXPECT_EQ(m.archive->ReadDay(0).rowCount(), 0);
    EXPECT_EQ(m.storage->bytes(), EmptyArchiveBytes());
}

TEST(Archive, ADayRecordReadsAnyNumberOfRows) {
    MemoryArchive m;
    TZamDataStrings big;
    for (int i = 0; i < 150; ++i) big.rows.push_back(dayOf({{"1", i}}).rows[0]);
    ASSERT_EQ(m.archive->SaveDay(kMonday, big), ArchiveSave::Saved);
    EXPECT_EQ(m.archive->ReadDay(kMonday), big);
}

// Records whose lengths do not add up read as empty days, never past their bytes.
TEST(Archive, InconsistentRecordsReadAsEmptyDays) {
    const Bytes good = EncodeDayRecord(dayOf({{"1", 1}, {"2", 2}}));
    ASSERT_EQ(DecodeDayRecord(good).rowCount(), 2);
    struct Case {
        const char* what;
        std::size_t at;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"negative row count", 0, 0xFFFFFFFF},
        {"more rows than the block holds", 0, 3},
        {"huge row count", 0, 0x7FFFFFFF},
        {"block longer than the record", 4, static_cast<std::uint32_t>(good.size())},
        {"negative block length", 4, 0x80000000},
        {"block shorter than its cells", 4, static_cast<std::uint32_t>(good.size() - 9)},
        {"text length past the block", 8, 0x7FFFFFF0},
        {"negative text length", 8, 0xFFFFFFFE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bad = good;
        test::PutI32(bad, c.at, c.value);
        EXPECT_EQ(DecodeDayRecord(bad).rowCount(), 0);
    }
    // An entry pointing past the end of the file, or before the data area.
    for (const std::int32_t offset : {1000000, -5}) {
        MemoryArchive m;
        ASSERT_EQ(m.archive->SaveDay(kMonday, dayOf({{"1", 1}})), ArchiveSave::Saved);
        Bytes file = m.storage->bytes();
        test::PutI32(file, 28, static_cast<std::uint32_t>(offset));
        auto reopened = SubstitutionArchive::OpenStorage(std::make_unique<MemoryStorage>(file));
        ASSERT_TRUE(reopened);
        EXPECT_EQ(reopened->ReadDay(kMonday).rowCount(), 0);
    }
}

// Storage that refuses writes from a given one on.
class FailingStorage : public MemoryStorage {
public:
    using MemoryStorage::MemoryStorage;
    int writesLeft = 1000;
    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        return writesLeft-- > 0 && MemoryStorage::writeAt(offset, bytes);
    }
};

TEST(Archive, AFailedSaveIsReportedAndLeavesTheEntryAsItWas) {
    for (const int writesLeft : {0, 1}) {  // the record fails, or the entry after it
        SCOPED_TRACE(writesLeft);
        auto owned = std::make_unique<FailingStorage>(EmptyArchiveBytes());
        auto* storage = owned.get();
        auto archive = SubstitutionArchive::OpenStorage(std::move(owned));
        ASSERT_EQ(archive->SaveDay(kMonday, dayOf({{"1", 1}})), ArchiveSave::Saved);
        storage->writesLeft = writesLeft;
        EXPECT_EQ(archive->SaveDay(kMonday, dayOf({{"2", 2}})), ArchiveSave::WriteFailed);
        EXPECT_EQ(archive->SaveDay(kMonday + 1, dayOf({{"2", 2}})), ArchiveSave::WriteFailed);
        EXPECT_EQ(archive->ReadDay(kMonday), dayOf({{"1", 1}}));
        EXPECT_EQ(archive->FindEntry(kMonday + 1), -1);
    }
}

TEST(Archive, AFullDirectoryTakesNoNewDay) {
    MemoryArchive m;
    for (int i = 0; i < kArchiveEntries; ++i) ASSERT_EQ(m.archive->SaveDay(kMonday + i, dayOf({{"1", 1}})), ArchiveSave::Saved);
    EXPECT_FALSE(m.archive->HasFreeEntry());
    EXPECT_EQ(m.archive->SaveDay(kMonday - 1, dayOf({{"1", 1}})), ArchiveSave::DirectoryFull);
    EXPECT_EQ(m.archive->SaveDay(kMonday, dayOf({{"3", 4}})), ArchiveSave::Saved);
    EXPECT_EQ(m.archive->RecordedDates().size(), static_cast<std::size_t>(kArchiveEntries));
}

}  // namespace
}  // namespace lovaris
