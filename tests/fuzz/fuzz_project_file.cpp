// Feeds arbitrary bytes to the project file reader: it must refuse them or load a
// project that a save and a reload keep unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/data/ProjectFile.h"
#include "core/data/TestProjects.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto loaded = lovaris::ParseProject(std::span(data, size));
    if (loaded && !lovaris::test::SurvivesSaveAndReload(*loaded)) std::abort();
    return 0;
}
