#pragma once
// The data check: findings on incomplete or inconsistent project data, one page
// per record kind (rooms, subjects, classes, teachers, lessons). It changes nothing.
#include <array>
#include <string>
#include <vector>

#include "Project.h"

namespace lovaris {

struct DataCheckReport {
    // Each page's lines as the check window shows them: "1. Кабинет 5: задайте число мест."
    // A page without findings holds the single line "1. Ошибок не обнаружено.".
    std::array<std::vector<std::string>, kEditorKinds> pages;

    bool clean() const;  // no page has a finding
};

DataCheckReport RunDataCheck(const Project& project);

}  // namespace lovaris
