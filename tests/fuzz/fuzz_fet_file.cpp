// Feeds arbitrary bytes to the FET import: it must refuse them with a reason or make a
// project that the project file writes and reads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/data/ProjectFile.h"
#include "core/data/TestProjects.h"
#include "interchange/FetImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = lovaris::interchange::ImportFet(std::span(data, size));
    if (result.project.has_value() == !result.error.empty()) std::abort();
    // The reader refuses what the mapping cannot follow; the mapping's own guard is a last resort.
    if (result.error.starts_with("the school cannot be mapped")) std::abort();
    if (result.project && !lovaris::test::SurvivesSaveAndReload(*result.project)) std::abort();
    if (result.project) (void)result.report.text(*result.project);
    return 0;
}
