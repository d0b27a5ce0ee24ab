#include "FetWeekImport.h"

#include <algorithm>
#include <map>

#include "FetTexts.h"
#include "XmlTree.h"

namespace lovaris::interchange {
namespace {

using X = InterchangeText;

std::vector<std::string> Names(const XmlElement* list, std::string_view item) {
    std::vector<std::string> names;
    if (!list) return names;
    for (const XmlElement& e : list->children)
        if (e.name == item) names.push_back(e.childText("Name"));
    return names;
}

// Where each activity starts in the file's week: its active starting time at 100 %.
std::map<int, std::pair<int, int>> Starts(const XmlElement& root, const FetSchoolExport& exported) {
    std::map<int, std::pair<int, int>> starts;
    const XmlElement* list = root.child("Time_Constraints_List");
    if (!list) return starts;
    for (const XmlElement& c : list->children) {
        if (c.name != "ConstraintActivityPreferredStartingTime" || c.childText("Active") == "false") continue;
        if (std::atof(c.childText("Weight_Percentage").c_str()) < 100) continue;
        const auto day = std::ranges::find(exported.days, c.childText("Preferred_Day"));
        const auto hour = std::ranges::find(exported.hours, c.childText("Preferred_Hour"));
        if (day == exported.days.end() || hour == exported.hours.end()) continue;
        starts.emplace(std::atoi(c.childText("Activity_Id").c_str()),
                       std::pair(static_cast<int>(day - exported.days.begin()) + 1,
                                 static_cast<int>(hour - exported.hours.begin()) + 1));
    }
    return starts;
}

// Every hour of the block is free in the clean copy for each class of the set.
bool Free(const TTableVarItem& variant, const FetExportBlock& block, int day, int start) {
    if (start + block.hours - 1 > variant.lessonsPerDay()) return false;
    return std::ranges::all_of(block.lessons, [&](const LessonRef& ref) {
        if (ref.owner >= variant.classCount()) return false;
        for (int n = start; n < start + block.hours; ++n)
            if (variant.GetCleanSlot(ref.owner, day, n).occupied()) return false;
        return true;
    });
}

}  // namespace

FetWeekImport ReadFetWeek(std::span<const std::uint8_t> bytes, const FetSchoolExport& exported,
                          TTableVarItem& variant) {
    FetWeekImport out;
    const XmlTreeResult tree = ReadXmlTree(bytes);
    if (!tree.root) {
        out.error = tree.error;
        return out;
    }
    const XmlElement& root = *tree.root;
    const auto refuse = [&](const std::string& reason) {
        out.error = Said(X::FetWeekNotThisProject) + reason;
        return out;
    };
    if (root.name != "fet") return refuse(Said(X::FetNotFet, {root.name}));
    if (Names(root.child("Days_List"), "Day") != exported.days ||
        Names(root.child("Hours_List"), "Hour") != exported.hours)
        return refuse(Said(X::FetWeekDaysDiffer));
    const XmlElement* activities = root.child("Activities_List");
    if (!activities) return refuse(Said(X::FetWeekNoActivities));
    // The activities must be the export's, one for one: the same IDs, lengths and lessons.
    std::size_t n = 0;
    for (const XmlElement& a : activities->children) {
        if (a.name != "Activity") continue;
        const std::string id = a.childText("Id");
        const FetExportBlock* block = n < exported.blocks.size() ? &exported.blocks[n] : nullptr;
        if (!block || id != std::to_string(block->id) || a.childText("Duration") != std::to_string(block->hours) ||
            a.childText("Comments") != block->comment)
            return refuse(Said(X::FetWeekActivitiesDiffer, {id}));
        ++n;
    }
    if (n != exported.blocks.size())
        return refuse(Said(X::FetWeekActivitiesDiffer, {std::to_string(exported.blocks[n].id)}));

    const auto starts = Starts(root, exported);
    for (const FetExportBlock& block : exported.blocks) {
        out.hours += block.hours;
        const auto at = starts.find(block.id);
        if (at == starts.end() || !Free(variant, block, at->second.first, at->second.second)) {
            ++out.unplacedBlocks;
            continue;
        }
        const auto [day, start] = at->second;
        for (const LessonRef& ref : block.lessons)
            for (int h = start; h < start + block.hours; ++h)
                variant.SetCleanSlot(ref.owner, day, LessonSlot::BlockHour(ref.lesson, start, h), h);
        ++out.placedBlocks;
        out.placedHours += block.hours;
    }
    return out;
}

}  // namespace lovaris::interchange
