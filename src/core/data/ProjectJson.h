#pragma once
// The whole project as JSON (docs/project-json.md). The form is lossless: a project
// read from a file, written as JSON and read back is written byte for byte as before.
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "Project.h"

namespace lovaris {

// Members keep the documented order, so an exported project reads naturally.
using ProjectJsonDocument = nlohmann::ordered_json;

ProjectJsonDocument ProjectToJson(const Project& project);

struct ProjectFromJsonResult {
    std::optional<Project> project;
    // Set when refused: the field's path and what was expected,
    // e.g. "rooms.items[3].seats: expected an integer 0..65535".
    std::string error;
};

ProjectFromJsonResult ProjectFromJson(const nlohmann::ordered_json& document);
ProjectFromJsonResult ProjectFromJson(const nlohmann::json& document);
// The same from the document's text; bad syntax and a member given twice are refused too.
ProjectFromJsonResult ProjectFromJsonText(std::string_view text);

}  // namespace lovaris
