#include "VariantOptionsForm.h"

#include <algorithm>
#include <limits>

#include "../common/NumberText.h"
#include "../common/WorkspaceTexts.h"

namespace lovaris {
namespace {

constexpr int kWishesModes = 4;
constexpr int kMaxWeight = 100;

std::optional<std::uint16_t> count(std::string_view text) {
    const auto v = ParseDecimal(text);
    if (!v) return std::nullopt;
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(*v, 0, std::numeric_limits<std::uint16_t>::max()));
}

std::uint16_t weight(int value) { return static_cast<std::uint16_t>(std::clamp(value, 0, kMaxWeight)); }

}  // namespace

VariantOptionsEntry VariantOptionsEntryFrom(const VariantOptions& options) {
    VariantOptionsEntry e;
    e.comment = options.comment.empty() ? VariantCommentPreset() : options.comment;
    e.maxVariants = std::to_string(options.maxVariantsPerDay);
    e.maxWindows = std::to_string(options.maxTeacherWindows);
    e.wishesIndex = std::clamp<int>(options.wishesMode, 1, kWishesModes) - 1;
    e.parallelWeight = options.parallelWeight;
    e.sanitaryWeight = options.sanitaryWeight;
    e.teacherBusyWeight = options.teacherBusyWeight;
    return e;
}

std::string VariantCommentPreset() {
    return LoadResText(WorkspaceText::OptionsCommentPresetLine1) + "\r\n" +
           LoadResText(WorkspaceText::OptionsCommentPresetLine2);
}

std::string VariantOptionsCaption(std::string_view variantName) {
    return LoadResText(WorkspaceText::OptionsCaption) + ": " + std::string(variantName);
}

std::vector<std::string> WishesModeEntries() {
    std::vector<std::string> entries;
    for (int i = 0; i < kWishesModes; ++i)
        entries.push_back(LoadResText(static_cast<int>(WorkspaceText::OptionsWishesAll) + i));
    return entries;
}

std::optional<TextId> ConfirmVariantOptions(const VariantOptionsEntry& entry, VariantOptions& options) {
    VariantOptions checked = options;
    checked.setComment(entry.comment);
    const auto variants = count(entry.maxVariants);
    if (!variants) return TextId::OptionsMaxVariantsError;
    checked.maxVariantsPerDay = *variants;
    const auto windows = count(entry.maxWindows);
    if (!windows) return TextId::OptionsMaxWindowsError;
    checked.maxTeacherWindows = *windows;
    // The list always has an item selected; an index from elsewhere takes the nearest.
    checked.wishesMode = static_cast<std::uint16_t>(std::clamp(entry.wishesIndex, 0, kWishesModes - 1) + 1);
    checked.parallelWeight = weight(entry.parallelWeight);
    checked.sanitaryWeight = weight(entry.sanitaryWeight);
    checked.teacherBusyWeight = weight(entry.teacherBusyWeight);
    options = checked;
    return std::nullopt;
}

}  // namespace lovaris
