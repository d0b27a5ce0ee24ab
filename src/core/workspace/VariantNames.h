#pragma once
// The names the planning window gives a variant: its caption, the day list's
// entries, the file a new variant is proposed under and the files a run saves.
#include <string>
#include <string_view>

namespace lovaris {

// The file name without folder, and without its extension when a dot stands among
// its last four characters: "C:/x/Понедельник_Опт_3.rsp" -> "Понедельник_Опт_3".
std::string VariantName(std::string_view fileName);
// The name, then " (изменен)" while the variant has unsaved changes.
std::string VariantCaption(std::string_view fileName, bool modified);

// The day list's entry for day 1..6: the weekday's long name with a capital letter.
std::string DayListText(int day);

// "Новое расписание.rsp" in the "Variant" folder beside the program when there is
// one, else in the program's folder.
std::string NewVariantFileName(const std::string& programFolder);
// A file of that name (no extension) in the folder of `fileName`, with the variant
// extension.
std::string VariantFileBeside(const std::string& fileName, std::string_view name);
// The name a run saves its count-th complete variant of the day under:
// "Понедельник" + "_Опт" (while the run is going) + "_" + count.
std::string AutoSaveVariantName(int day, int count, bool duringRun);

// The same file: the names equal without regard to case, or one file by two names.
bool SameVariantFile(const std::string& a, const std::string& b);

}  // namespace lovaris
