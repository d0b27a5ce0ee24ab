// Writes the seed corpus of the variant file fuzzer: the sample variant, the same
// one saved for a changed project, and an empty variant.
#include <cstdio>
#include <string>

#include "core/variant/EngineVariantSample.h"
#include "core/common/FileIO.h"
#include "core/variant/VariantFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_variant_fuzz_seeds FOLDER\n");
        return 1;
    }
    using namespace lovaris;
    const std::string folder = argv[1];
    const TTableVarItem sample = test::MakeSampleVariant();
    bool ok = WriteFileAtomically(folder + "/sample.rsp", SerializeVariant(sample, VariantOptions::Defaults(3, 7), 1));
    const auto changed = ParseVariant(SerializeVariant(sample, VariantOptions::Defaults(3, 7), 1),
                                      test::MakeChangedSampleCatalog());
    ok = changed && WriteFileAtomically(folder + "/changed.rsp", SerializeVariant(changed->variant, changed->options, 6)) && ok;
    TTableVarItem empty;
    empty.Create(test::MakeSampleCatalog());
    ok = WriteFileAtomically(folder + "/empty.rsp", SerializeVariant(empty, VariantOptions::Defaults(3, 7), 1)) && ok;
    return ok ? 0 : 1;
}
