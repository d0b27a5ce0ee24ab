#pragma once
// The options dialog of a variant ("Опции"): its fields as the user sees and types
// them, and the rules of its "Да" button.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../common/StringTable.h"
#include "../variant/VariantOptions.h"

namespace lovaris {

struct VariantOptionsEntry {
    std::string comment;      // the memo, line breaks and all
    std::string maxVariants;  // the two number edits as typed
    std::string maxWindows;
    int wishesIndex = 1;  // the list's item: wishes mode - 1
    int parallelWeight = 30;  // the three spin edits, 0..100
    int sanitaryWeight = 30;
    int teacherBusyWeight = 40;
};

// The fields showing a record; an empty comment shows the preset text.
VariantOptionsEntry VariantOptionsEntryFrom(const VariantOptions& options);
// The memo's text for a variant without a comment, two lines; confirmed as it is,
// it becomes the comment.
std::string VariantCommentPreset();
// "Опции: " + the variant's name.
std::string VariantOptionsCaption(std::string_view variantName);
// The wishes list's entries, modes 1..4 in order.
std::vector<std::string> WishesModeEntries();

// "Да": the fields checked in the dialog's order and stored into `options` only when
// every one passes; otherwise `options` is untouched and the message of the first
// field that failed is returned (the dialog stays open). The counts are whole
// numbers: negative ones store 0, larger ones than 65535 store 65535. The comment
// keeps 80 characters, its line breaks become spaces.
std::optional<TextId> ConfirmVariantOptions(const VariantOptionsEntry& entry, VariantOptions& options);

}  // namespace lovaris
