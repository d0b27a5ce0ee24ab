// Feeds arbitrary text to the project JSON import: it must refuse it with the field
// at fault or make a project that the project file and the JSON form both keep.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/data/ProjectJson.h"
#include "core/data/TestProjects.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = lovaris::ProjectFromJsonText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result.project.has_value() == !result.error.empty()) std::abort();
    if (!result.project) return 0;
    if (!lovaris::test::SurvivesSaveAndReload(*result.project)) std::abort();
    const auto again = lovaris::ProjectFromJson(lovaris::ProjectToJson(*result.project));
    if (!again.project) std::abort();
    return 0;
}
