#pragma once
// The hand-made FET schools of tests/data/fet, imported.
#include <string>
#include <string_view>

#include "core/common/FileIO.h"
#include "interchange/FetImport.h"

namespace lovaris::interchange::test {

inline FetImportResult ImportFixture(std::string_view name) {
    const auto bytes = ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/fet/" + std::string(name));
    if (!bytes) throw std::runtime_error("missing fixture " + std::string(name));
    return ImportFet(*bytes);
}

inline FetImportResult ImportText(std::string_view xml) {
    return ImportFet(std::span(reinterpret_cast<const std::uint8_t*>(xml.data()), xml.size()));
}

}  // namespace lovaris::interchange::test
