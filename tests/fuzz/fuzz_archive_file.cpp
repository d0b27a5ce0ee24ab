// Feeds arbitrary bytes to the substitution archive's reader: they must be refused,
// or every day must read (a bad record as an empty day), save and read back the same.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/journal/ArchiveReadCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!lovaris::test::ArchiveReadsSoundly(std::span(data, size))) std::abort();
    return 0;
}
