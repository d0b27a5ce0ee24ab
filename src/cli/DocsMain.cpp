// lovaris-docs: writes the manual pages, the command reference and the shell
// completion of the two programs (a build tool, not installed).
//   lovaris-docs --man-cli | --man-program | --markdown | --bash-completion [VERSION]
#include <cstdio>
#include <string>
#include <string_view>

#include "ManualPages.h"

int main(int argc, char** argv) {
    using namespace lovaris::cli;
    const std::string_view what = argc > 1 ? argv[1] : "";
    const std::string_view version = argc > 2 ? argv[2] : "";
    std::string text;
    if (what == "--man-cli")
        text = CliManPage(version);
    else if (what == "--man-program")
        text = ProgramManPage(version);
    else if (what == "--markdown")
        text = CliReferenceMarkdown();
    else if (what == "--bash-completion")
        text = CliBashCompletion();
    else {
        std::fputs("Usage: lovaris-docs --man-cli | --man-program | --markdown | --bash-completion [VERSION]\n", stderr);
        return 1;
    }
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
