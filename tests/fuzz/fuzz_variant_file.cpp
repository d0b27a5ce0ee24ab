// Feeds arbitrary bytes to the variant file reader, for the project the file was
// made with and for a changed one: it must refuse them or load a variant that a save
// and a reload keep unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/variant/EngineVariantSample.h"
#include "core/variant/VariantFile.h"

namespace {

bool IsStable(const lovaris::LoadedVariant& loaded, const lovaris::VariantCatalog& catalog) {
    const auto saved = lovaris::SerializeVariant(loaded.variant, loaded.options, loaded.options.selectedDay);
    const auto again = lovaris::ParseVariant(saved, catalog);
    return again && again->variant.sameGrids(loaded.variant) &&
           lovaris::SerializeVariant(again->variant, again->options, again->options.selectedDay) == saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto sample = lovaris::test::MakeSampleCatalog();
    static const auto changed = lovaris::test::MakeChangedSampleCatalog();
    for (const auto* catalog : {&sample, &changed}) {
        const auto loaded = lovaris::ParseVariant(std::span(data, size), *catalog);
        if (loaded && !IsStable(*loaded, *catalog)) std::abort();
    }
    return 0;
}
