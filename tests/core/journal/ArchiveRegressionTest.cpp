// Inputs that once troubled the archive's reader, and archives of every shape the
// journal writes, all read soundly.
#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveReadCheck.h"
#include "core/common/FileIO.h"

namespace lovaris {
namespace {

TEST(ArchiveRegressions, StoredInputsReadSoundly) {
    const std::filesystem::path folder = std::filesystem::path(LOVARIS_TEST_DATA_DIR) / "regressions";
    int archives = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto bytes = ReadWholeFile(entry.path().string());
        ASSERT_TRUE(bytes) << entry.path();
        EXPECT_TRUE(test::ArchiveReadsSoundly(*bytes)) << entry.path();
        archives += entry.path().extension() == ".sys";
    }
    EXPECT_GT(archives, 0);
}

}  // namespace
}  // namespace lovaris
