// Writes the seed corpus of the project file fuzzer: the small project in the
// current version and in the older versions, and a project without records.
#include <cstdio>
#include <string>

#include "core/data/TestProjects.h"
#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
        return 1;
    }
    const std::string folder = argv[1];
    const auto current = lovaris::SerializeProject(lovaris::test::MakeSmallProject());
    bool ok = lovaris::WriteFileAtomically(folder + "/small_1_3.tbl", current);
    for (int minor = 0; minor <= 2; ++minor)
        ok = lovaris::WriteFileAtomically(folder + "/small_1_" + std::to_string(minor) + ".tbl",
                                          lovaris::test::DowngradeProjectFile(current, minor)) && ok;
    ok = lovaris::WriteFileAtomically(folder + "/empty.tbl", lovaris::SerializeProject(lovaris::Project{})) && ok;
    return ok ? 0 : 1;
}
