#include "ReportWords.h"

#include "../common/Cp1251.h"
#include "../common/ReportTexts.h"
#include "../common/ShellTexts.h"
#include "../common/StringTable.h"

namespace lovaris {

std::string PageNumberText(int page) { return LoadResText(ReportText::PageNumber) + std::to_string(page); }

std::string DayCaption(int day) { return utf8CapitaliseFirst(WeekdayLongName(day)); }

std::string ProductQuoted() { return LoadResText(ShellText::AboutProgram); }

std::string DescriptionsLine(const std::string& project, const std::string& variant) {
    return project + "  " + variant;
}

}  // namespace lovaris
