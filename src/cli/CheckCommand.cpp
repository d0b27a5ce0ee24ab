#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "core/common/StringTable.h"
#include "core/data/DataCheck.h"

namespace lovaris::cli {
namespace {

// Page titles in the order the check fills its pages.
constexpr std::array<TextId, kEditorKinds> kPageTitles = {TextId::RoomsCaption, TextId::SubjectsCaption,
                                                          TextId::ClassesCaption, TextId::TeachersCaption,
                                                          TextId::LessonsCaption};

int runCheck(const std::vector<std::string>& args) {
    ProjectDocument document;
    if (const int status = OpenProject(args[0], document); status != kExitOk) return status;
    const DataCheckReport report = RunDataCheck(document.project());
    std::string text;
    for (std::size_t k = 0; k < kPageTitles.size(); ++k) {
        text += "[" + LoadResText(kPageTitles[k]) + "]\n";
        for (const auto& line : report.pages[k]) text += line + "\n";
    }
    return WriteStdout(text);
}

}  // namespace

const CliCommand kCheckCommand{
    "check", "IN.tbl", "run the data check and print its findings",
    "Runs the data check on the project file IN.tbl and prints its five pages\n"
    "(rooms, subjects, classes, teachers, lessons), each headed by its title in\n"
    "brackets. The exit status is 0 whether or not there are findings.\n",
    1, 1, runCheck};

}  // namespace lovaris::cli
