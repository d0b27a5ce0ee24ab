// Variant files that are damaged, of another kind or of a newer version are refused
// with the system's message: never a crash, a read past the end or a half-read variant.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "../support/ByteDamage.h"
#include "EngineVariantSample.h"
#include "core/common/FileIO.h"
#include "core/variant/VariantFile.h"

namespace lovaris {
namespace {

using test::Bytes;
using test::PutI32;

constexpr std::size_t kMagicLength = 0;
constexpr std::size_t kMagic = 1;
constexpr std::size_t kVersionMajor = 12;
constexpr std::size_t kVersionMinor = 16;
constexpr std::size_t kClassCount = 124;
constexpr std::size_t kLessonsPerDay = 128;
constexpr std::size_t kGrid = 3 * 6 * 7 * LessonSlot::kRecordSize;

Bytes SampleFile() { return SerializeVariant(test::MakeSampleVariant(), VariantOptions::Defaults(3, 7), 1); }

struct MalformedCase {
    const char* what;
    std::function<void(Bytes&)> damage;
};

std::vector<MalformedCase> malformedCases() {
    const auto put = [](std::size_t at, std::uint32_t v) { return [=](Bytes& b) { PutI32(b, at, v); }; };
    const auto cut = [](std::size_t size) { return [=](Bytes& b) { b.resize(size); }; };
    return {
        {"empty", cut(0)},
        {"cut inside the signature", cut(15)},
        {"cut inside the options", cut(131)},
        {"cut inside the reserved block", cut(600)},
        {"header only", cut(kVariantHeaderSize)},
        {"cut inside the clean grid", cut(kVariantHeaderSize + kGrid - 1)},
        {"clean grid only", cut(kVariantHeaderSize + kGrid)},
        {"last byte missing", [](Bytes& b) { b.pop_back(); }},
        {"project magic", [](Bytes& b) { std::memcpy(&b[kMagic], "TIME-TABLE", 10); }},
        {"magic misspelt", [](Bytes& b) { b[kMagic + 9] = 'X'; }},
        {"magic length 9", [](Bytes& b) { b[kMagicLength] = 9; }},
        {"magic length 11", [](Bytes& b) { b[kMagicLength] = 11; }},
        {"version 1.1", put(kVersionMinor, 1)},
        {"version 2.0", put(kVersionMajor, 2)},
        {"no lessons per day", put(kLessonsPerDay, 0)},
        {"negative lessons per day", put(kLessonsPerDay, 0xFFFFFFFF)},
        {"25 lessons per day", put(kLessonsPerDay, 25)},
        {"one lesson per day more than held", put(kLessonsPerDay, 8)},
        {"one class more than held", put(kClassCount, 4)},
        {"negative class count", put(kClassCount, 0xFFFFFFFF)},
        {"most negative class count", put(kClassCount, 0x80000000)},
        {"huge class count", put(kClassCount, 0x7FFFFFFF)},
    };
}

TEST(EngineVariantFileMalformed, DamagedFilesAreRefused) {
    const auto catalog = test::MakeSampleCatalog();
    ASSERT_TRUE(ParseVariant(SampleFile(), catalog));
    for (const auto& c : malformedCases()) {
        Bytes bytes = SampleFile();
        c.damage(bytes);
        EXPECT_FALSE(ParseVariant(bytes, catalog)) << c.what;
    }
}

TEST(EngineVariantFileMalformed, OpeningADamagedFileNamesItAndKeepsTheOpenVariant) {
    const auto folder = std::filesystem::path(::testing::TempDir()) / "lovaris_variant_malformed";
    std::filesystem::create_directories(folder);
    const std::string bad = (folder / "Испорчен.rsp").string();
    LoadedVariant open{test::MakeSampleVariant(), VariantOptions::Defaults(3, 7)};
    for (const auto& c : malformedCases()) {
        Bytes bytes = SampleFile();
        c.damage(bytes);
        ASSERT_TRUE(WriteFileAtomically(bad, bytes));
        const auto outcome = OpenVariantFile(bad, test::MakeSampleCatalog(), open);
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_EQ(outcome.message, "Формат файла Испорчен.rsp не известен или не поддерживается.") << c.what;
        EXPECT_TRUE(open.variant.sameGrids(test::MakeSampleVariant())) << c.what;
    }
    std::filesystem::remove_all(folder);
}

TEST(EngineVariantFileMalformed, OlderVersionsSmallerDimensionsAndTrailingBytesAreRead) {
    const auto catalog = test::MakeSampleCatalog();
    Bytes older = SampleFile();
    PutI32(older, kVersionMajor, 0);
    PutI32(older, kVersionMinor, 9);
    Bytes longer = SampleFile();
    longer.resize(longer.size() + 100, 0xAB);
    Bytes noClasses = SampleFile();
    PutI32(noClasses, kClassCount, 0);
    noClasses.resize(kVariantHeaderSize);
    for (const Bytes* file : {&older, &longer}) {
        const auto loaded = ParseVariant(*file, catalog);
        ASSERT_TRUE(loaded);
        EXPECT_TRUE(loaded->variant.sameGrids(test::MakeSampleVariant()));
    }
    const auto empty = ParseVariant(noClasses, catalog);
    ASSERT_TRUE(empty);
    for (int d = 1; d <= 6; ++d) EXPECT_TRUE(empty->variant.IsDayEmpty(d));
}

// Whether a loaded variant saves to bytes that load to the same variant and save
// to the same bytes again.
bool IsStable(const LoadedVariant& loaded, const VariantCatalog& catalog) {
    const Bytes saved = SerializeVariant(loaded.variant, loaded.options, loaded.options.selectedDay);
    const auto again = ParseVariant(saved, catalog);
    return again && again->variant.sameGrids(loaded.variant) &&
           SerializeVariant(again->variant, again->options, again->options.selectedDay) == saved;
}

// Inputs that once broke a reader: variant files are refused or stable, the
// project files of the same folder are refused.
TEST(EngineVariantFileRegressions, StoredInputsAreHandled) {
    const std::filesystem::path folder = std::filesystem::path(LOVARIS_TEST_DATA_DIR) / "regressions";
    const auto catalog = test::MakeSampleCatalog();
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto bytes = ReadWholeFile(entry.path().string());
        ASSERT_TRUE(bytes) << entry.path();
        if (const auto loaded = ParseVariant(*bytes, catalog)) {
            EXPECT_TRUE(IsStable(*loaded, catalog)) << entry.path();
        }
    }
}

// Random damage to a valid file, deterministic by its seed.
class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : damage_(seed) {}

    void mutate(Bytes& b) {
        const int changes = 1 + damage_.pick(4);
        for (int i = 0; i < changes; ++i) {
            switch (damage_.pick(5)) {
                case 0:
                    damage_.flipByte(b);
                    break;
                case 1:
                    damage_.truncate(b);
                    break;
                case 2:
                    overwrite(b, kClassCount + 4 * damage_.pickIndex(2));
                    break;
                case 3:  // a lesson slot's fields: tag and position, prevPosition, lesson, rooms
                    overwrite(b, kVariantHeaderSize + LessonSlot::kRecordSize * damage_.pickIndex(2 * kGrid / 24) +
                                     4 * damage_.pickIndex(5));
                    break;
                default:
                    overwrite(b, 4 * damage_.pickIndex(b.size() / 4));
                    break;
            }
        }
    }

private:
    void overwrite(Bytes& b, std::size_t at) {
        static constexpr std::uint32_t kInteresting[] = {0xFFFFFFFF, 0, 1, 2, 3, 6, 7, 8, 11, 21, 31, 0x10000,
                                                         0x7FFFFFFF, 0x80000000, 0xFFFF, 1000002, 0x00650064};
        damage_.overwrite(b, at, kInteresting);
    }

    test::ByteDamage damage_;
};

TEST(EngineVariantFileMalformed, RandomlyDamagedFilesAreRefusedOrStable) {
    const auto catalog = test::MakeSampleCatalog();
    constexpr int kMutations = 6000;
    Mutator mutator(20241210);
    int accepted = 0;
    int refused = 0;
    for (int i = 0; i < kMutations; ++i) {
        Bytes bytes = SampleFile();
        mutator.mutate(bytes);
        const auto loaded = ParseVariant(bytes, catalog);
        if (!loaded) {
            ++refused;
            continue;
        }
        ++accepted;
        ASSERT_TRUE(IsStable(*loaded, catalog)) << "mutation " << i;
    }
    // Both outcomes must be exercised for the test to mean anything.
    EXPECT_GT(accepted, kMutations / 5);
    EXPECT_GT(refused, kMutations / 5);
}

}  // namespace
}  // namespace lovaris
