#pragma once
// A whole XML document as a tree of elements, read with Qt's stream reader under
// limits that keep a hostile file from exhausting the machine: no document type
// declarations (so no entity expansion), a bounded size, depth and element count.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lovaris::interchange {

struct XmlElement {
    std::string name;
    std::string text;  // the character data of an element without children, UTF-8
    int line = 0;
    std::vector<XmlElement> children;

    const XmlElement* child(std::string_view childName) const;
    // The text of the first child of that name, empty when there is none.
    std::string childText(std::string_view childName) const;
};

struct XmlLimits {
    std::size_t maxBytes = 64u << 20;
    int maxDepth = 32;
    std::size_t maxElements = 4'000'000;
};

struct XmlTreeResult {
    std::optional<XmlElement> root;
    std::string error;  // set when refused
};

XmlTreeResult ReadXmlTree(std::span<const std::uint8_t> bytes, const XmlLimits& limits = {});

}  // namespace lovaris::interchange
