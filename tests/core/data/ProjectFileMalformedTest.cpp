// Project files that are damaged, of another kind or of a newer version must be
// refused without a crash, a read past the end or a half-loaded project.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../support/ByteDamage.h"
#include "TestProjects.h"
#include "core/common/FileIO.h"
#include "core/common/FileSignature.h"
#include "core/data/ProjectDocument.h"
#include "core/data/ProjectFile.h"

namespace lovaris {
namespace {

using test::Bytes;
using test::PutI32;

// Header fields: signature, then the parameters at offset 20.
constexpr std::size_t kMagicLength = 0;
constexpr std::size_t kMagic = 1;
constexpr std::size_t kVersionMajor = 12;
constexpr std::size_t kVersionMinor = 16;
constexpr std::size_t kDescription = 20;
constexpr std::size_t kLessonsPerDay = 20 + 82;
constexpr std::size_t kSections = 20 + 164;  // {count, nextId} per kind
constexpr std::size_t kLessonsByteSize = kSections + 4 * 8 + 8;

std::size_t sectionCount(int kind) { return kSections + 8 * static_cast<std::size_t>(kind); }

void putU16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
std::uint32_t getI32(const Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 4; i-- > 0;) v = (v << 8) | b[at + i];
    return v;
}
// Fills a text field so that no NUL ends it.
void fillText(Bytes& b, std::size_t at, std::size_t size) { std::fill_n(b.begin() + static_cast<long>(at), size, 'A'); }
void truncateTo(Bytes& b, std::size_t size) { b.resize(size); }

// Where the records of the small project start in its file.
struct Layout {
    std::size_t rooms, subjects, classes, teachers, lessons, firstSubgroup, lastLesson, end;
};

Layout layoutOf(const Project& p) {
    Layout l{};
    l.rooms = kProjectDataOffset;
    l.subjects = l.rooms + TRoomItem::kRecordSize * p.rooms.items().size();
    l.classes = l.subjects + TSubjectItem::kRecordSize * p.subjects.items().size();
    l.teachers = l.classes + TKlassItem::kRecordSize * p.klasses.items().size();
    l.lessons = l.teachers + TTeacherItem::kRecordSize * p.teachers.items().size();
    l.firstSubgroup = l.lessons + TLessonItem::kRecordSize;
    l.end = l.lessons;
    for (const auto& lesson : p.lessons) {
        l.lastLesson = l.end;
        l.end += lesson.fileSize();
    }
    return l;
}

class ProjectFileMalformed : public ::testing::Test {
protected:
    Project project = test::MakeSmallProject();
    Bytes valid = SerializeProject(project);
    Layout at = layoutOf(project);
};

struct MalformedCase {
    const char* what;
    std::function<void(Bytes&, const Layout&)> damage;
};

std::vector<MalformedCase> malformedCases() {
    const auto count = [](int kind, std::uint32_t v) {
        return [=](Bytes& b, const Layout&) { PutI32(b, sectionCount(kind), v); };
    };
    const auto byteSize = [](std::int64_t delta) {
        return [=](Bytes& b, const Layout&) {
            PutI32(b, kLessonsByteSize, static_cast<std::uint32_t>(getI32(b, kLessonsByteSize) + delta));
        };
    };
    return {
        {"empty", [](Bytes& b, const Layout&) { b.clear(); }},
        {"cut to 227 bytes", [](Bytes& b, const Layout&) { truncateTo(b, kProjectHeaderSize - 1); }},
        {"cut inside the reserved block", [](Bytes& b, const Layout&) { truncateTo(b, 600); }},
        {"cut after the header block", [](Bytes& b, const Layout&) { truncateTo(b, kProjectDataOffset); }},
        {"cut inside a room", [](Bytes& b, const Layout& l) { truncateTo(b, l.rooms + 100); }},
        {"cut inside a teacher", [](Bytes& b, const Layout& l) { truncateTo(b, l.teachers + 430); }},
        {"cut inside a lesson", [](Bytes& b, const Layout& l) { truncateTo(b, l.lessons + 202); }},
        {"cut inside a subgroup", [](Bytes& b, const Layout& l) { truncateTo(b, l.firstSubgroup + 40); }},
        {"last byte missing", [](Bytes& b, const Layout&) { b.pop_back(); }},
        {"another magic", [](Bytes& b, const Layout&) { std::memcpy(&b[kMagic], "VARI-TABLE", 10); }},
        {"magic misspelt", [](Bytes& b, const Layout&) { b[kMagic + 9] = 'X'; }},
        {"magic length 9", [](Bytes& b, const Layout&) { b[kMagicLength] = 9; }},
        {"magic length 11", [](Bytes& b, const Layout&) { b[kMagicLength] = 11; }},
        {"version 1.4", [](Bytes& b, const Layout&) { PutI32(b, kVersionMinor, 4); }},
        {"version 2.0", [](Bytes& b, const Layout&) {
             PutI32(b, kVersionMajor, 2);
             PutI32(b, kVersionMinor, 0);
         }},
        {"negative rooms count", count(0, 0xFFFFFFFF)},
        {"negative subjects count", count(1, 0xFFFFFFFF)},
        {"negative classes count", count(2, 0xFFFFFFFF)},
        {"negative teachers count", count(3, 0xFFFFFFFF)},
        {"negative lessons count", count(4, 0xFFFFFFFF)},
        {"most negative rooms count", count(0, 0x80000000)},
        {"huge rooms count", count(0, 0x7FFFFFFF)},
        {"huge teachers count", count(3, 0x7FFFFFFF)},
        {"huge lessons count", count(4, 0x7FFFFFFF)},
        {"one room more than held", count(0, 3)},
        {"one lesson more than held", count(4, 4)},
        {"lessons byte size one too big", byteSize(1)},
        {"lessons byte size a subgroup too big", byteSize(TLessonSubItem::kRecordSize)},
        {"lessons byte size a subgroup too small", byteSize(-static_cast<std::int64_t>(TLessonSubItem::kRecordSize))},
        {"lessons byte size one too small", byteSize(-1)},
        {"lessons byte size negative", [](Bytes& b, const Layout&) { PutI32(b, kLessonsByteSize, 0xFFFFFFFF); }},
        {"lessons byte size most negative", [](Bytes& b, const Layout&) { PutI32(b, kLessonsByteSize, 0x80000000); }},
        {"no subgroup", [](Bytes& b, const Layout& l) { putU16(b, l.lessons + 4, 0); }},
        {"six subgroups", [](Bytes& b, const Layout& l) { putU16(b, l.lastLesson + 4, 6); }},
        // A full-width name is read cut (below), but not one the file ends inside.
        {"cut inside a full-width room name", [](Bytes& b, const Layout& l) {
             fillText(b, l.rooms + 4, 32);
             truncateTo(b, l.rooms + 20);
         }},
        {"no lessons per day", [](Bytes& b, const Layout&) { putU16(b, kLessonsPerDay, 0); }},
        {"25 lessons per day", [](Bytes& b, const Layout&) { putU16(b, kLessonsPerDay, 25); }},
        // No ID could be handed out after this one.
        {"room ID at the top of the range", [](Bytes& b, const Layout& l) { PutI32(b, l.rooms, 0x7FFFFFFF); }},
        {"lesson ID at the top of the range", [](Bytes& b, const Layout& l) { PutI32(b, l.lastLesson, 0x7FFFFFFF); }},
        {"subjects' next ID at the top of the range",
         [](Bytes& b, const Layout&) { PutI32(b, FileSignature::kSize + 172 + 4, 0x7FFFFFFF); }},
    };
}

// A text that fills its whole field with no NUL: the file loads, the text cut to the
// field's width less one, as a save writes it back.
struct FullWidthCase {
    const char* what;
    std::size_t Layout::*record;  // nullptr: the header
    std::size_t offset;           // of the text in its record, or in the file
    std::size_t width;
    std::function<std::string&(Project&)> text;
};

std::vector<FullWidthCase> fullWidthCases() {
    return {
        {"room name", &Layout::rooms, 4, 32, [](Project& p) -> std::string& { return p.rooms.at(0).name; }},
        {"subject name", &Layout::subjects, 4, 64, [](Project& p) -> std::string& { return p.subjects.at(0).name; }},
        {"class name", &Layout::classes, 4, 32, [](Project& p) -> std::string& { return p.klasses.at(0).name; }},
        {"teacher name", &Layout::teachers, 4, 128, [](Project& p) -> std::string& { return p.teachers.at(0).name; }},
        {"subgroup room", &Layout::firstSubgroup, 52, 32,
         [](Project& p) -> std::string& { return p.lessons.at(0).subgroups.at(0).fictiveRoom; }},
        {"description", nullptr, kDescription, 82, [](Project& p) -> std::string& { return p.params.description; }},
    };
}

TEST_F(ProjectFileMalformed, FullWidthTextsAreLoadedCut) {
    for (const auto& c : fullWidthCases()) {
        for (const bool cyrillic : {false, true}) {
            Bytes bytes = valid;
            const std::size_t field = (c.record ? at.*c.record : 0) + c.offset;
            std::fill_n(bytes.begin() + static_cast<long>(field), c.width, cyrillic ? 0xC6 : 'A');  // 0xC6: Ж
            auto loaded = ParseProject(bytes);
            ASSERT_TRUE(loaded) << c.what;

            std::string cut;
            for (std::size_t i = 0; i + 1 < c.width; ++i) cut += cyrillic ? "Ж" : "A";
            EXPECT_EQ(c.text(*loaded), cut) << c.what;
            Project expected = project;
            c.text(expected) = cut;
            EXPECT_TRUE(*loaded == expected) << c.what << ": nothing else changes";
            EXPECT_TRUE(test::SurvivesSaveAndReload(*loaded)) << c.what;
        }
    }
}

TEST(ProjectFileNextId, NegativeNextIdIsRaisedSoNoRecordGetsANoneId) {
    Project empty;
    empty.rooms.setNextId(-5);
    const auto loaded = ParseProject(SerializeProject(empty));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->rooms.nextId(), 0);
}

TEST_F(ProjectFileMalformed, SmallProjectIsReadBack) {
    const auto loaded = ParseProject(valid);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(*loaded == project);
    EXPECT_EQ(valid.size(), at.end);
}

TEST_F(ProjectFileMalformed, DamagedFilesAreRefused) {
    for (const auto& c : malformedCases()) {
        Bytes bytes = valid;
        c.damage(bytes, at);
        EXPECT_FALSE(ParseProject(bytes)) << c.what;
    }
}

TEST_F(ProjectFileMalformed, OpeningADamagedFileKeepsTheOpenProject) {
    const auto folder = std::filesystem::path(::testing::TempDir()) / "lovaris_malformed";
    std::filesystem::create_directories(folder);
    const std::string good = (folder / "Школа.tbl").string();
    const std::string bad = (folder / "Испорчен.tbl").string();
    ASSERT_TRUE(WriteFileAtomically(good, valid));
    ProjectDocument doc;
    ASSERT_TRUE(doc.Open(good).ok);
    doc.SetModified(true);

    for (const auto& c : malformedCases()) {
        Bytes bytes = valid;
        c.damage(bytes, at);
        ASSERT_TRUE(WriteFileAtomically(bad, bytes));
        const auto outcome = doc.Open(bad);
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_EQ(outcome.message, "Формат файла Испорчен.tbl не известен или не поддерживается.") << c.what;
        EXPECT_EQ(doc.GetFileName(), good) << c.what;
        EXPECT_TRUE(doc.modified()) << c.what;
        EXPECT_TRUE(doc.project() == project) << c.what;
    }
    std::filesystem::remove_all(folder);
}

TEST_F(ProjectFileMalformed, OlderVersionsAreReadWithTheirRecordSizes) {
    for (int minor = 0; minor <= 2; ++minor) {
        const Bytes old = test::DowngradeProjectFile(valid, minor);
        ASSERT_FALSE(old.empty());
        const auto loaded = ParseProject(old);
        ASSERT_TRUE(loaded) << "version 1." << minor;
        EXPECT_TRUE(*loaded == test::AsStoredInVersion(project, minor)) << "version 1." << minor;
    }
}

TEST_F(ProjectFileMalformed, ProjectWithoutRecordsMayEndAfterItsHeader) {
    Project empty;
    empty.params.description = "Пусто";
    const Bytes whole = SerializeProject(empty);
    ASSERT_EQ(whole.size(), kProjectDataOffset);
    for (std::size_t size : {kProjectDataOffset, kProjectHeaderSize}) {
        const auto loaded = ParseProject(std::span(whole).first(size));
        ASSERT_TRUE(loaded) << size;
        EXPECT_TRUE(*loaded == empty) << size;
    }
}

// Inputs that once broke the reader.
TEST(ProjectFileRegressions, StoredInputsAreHandled) {
    const std::filesystem::path folder = std::filesystem::path(LOVARIS_TEST_DATA_DIR) / "regressions";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto bytes = ReadWholeFile(entry.path().string());
        ASSERT_TRUE(bytes) << entry.path();
        ++files;
        if (const auto loaded = ParseProject(*bytes)) {
            EXPECT_TRUE(test::SurvivesSaveAndReload(*loaded)) << entry.path();
        }
    }
    EXPECT_GT(files, 0);
}

// Random damage to valid files, deterministic by its seed: every result is either
// refused or loads a project that a save and a reload keep unchanged.
class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : damage_(seed) {}

    void mutate(Bytes& b) {
        const int changes = 1 + damage_.pick(4);
        for (int i = 0; i < changes; ++i) {
            switch (damage_.pick(6)) {
                case 0:
                    damage_.flipByte(b);
                    break;
                case 1:
                    damage_.truncate(b);
                    break;
                case 2: {
                    const std::size_t pos = damage_.pickIndex(b.size() + 1);
                    const std::size_t n = 1 + damage_.pickIndex(TLessonSubItem::kRecordSize);
                    Bytes extra(n);
                    for (auto& x : extra) x = static_cast<std::uint8_t>(damage_.pick(256));
                    b.insert(b.begin() + static_cast<long>(pos), extra.begin(), extra.end());
                    break;
                }
                case 3:
                    overwrite(b, kSections + 4 * damage_.pickIndex(11));
                    break;
                case 4:
                    overwrite(b, kVersionMajor + 4 * damage_.pickIndex(2));
                    break;
                default:
                    overwrite(b, kProjectDataOffset + 4 * damage_.pickIndex(b.size() / 4));
                    break;
            }
        }
    }

private:
    void overwrite(Bytes& b, std::size_t at) {
        static constexpr std::uint32_t kInteresting[] = {0xFFFFFFFF, 0, 1, 2, 5, 6, 0x7FFFFFFF, 0x80000000, 0xFFFF, 84, 204};
        damage_.overwrite(b, at, kInteresting);
    }

    test::ByteDamage damage_;
};

TEST_F(ProjectFileMalformed, RandomlyDamagedFilesAreRefusedOrStable) {
    Bytes unnamedRoom = valid;
    unnamedRoom[at.rooms + 4] = 0;
    const std::vector<Bytes> seeds = {valid, test::DowngradeProjectFile(valid, 0),
                                      test::DowngradeProjectFile(valid, 2), unnamedRoom};
    constexpr int kPerSeed = 2500;
    Mutator mutator(20240901);
    int accepted = 0;
    int refused = 0;
    for (std::size_t s = 0; s < seeds.size(); ++s) {
        for (int i = 0; i < kPerSeed; ++i) {
            Bytes bytes = seeds[s];
            mutator.mutate(bytes);
            const auto loaded = ParseProject(bytes);
            if (!loaded) {
                ++refused;
                continue;
            }
            ++accepted;
            ASSERT_TRUE(test::SurvivesSaveAndReload(*loaded)) << "seed " << s << ", mutation " << i;
        }
    }
    // Both outcomes must be exercised for the test to mean anything.
    EXPECT_GT(accepted, kPerSeed / 4);
    EXPECT_GT(refused, kPerSeed / 4);
}

}  // namespace
}  // namespace lovaris
