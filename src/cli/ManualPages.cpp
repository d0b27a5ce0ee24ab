#include "ManualPages.h"

#include <regex>
#include <set>
#include <sstream>

#include "CommandTable.h"
#include "core/common/ProgramUsage.h"

namespace lovaris::cli {
namespace {

// A text as troff shows it line by line: backslashes and minus signs written out,
// and a line that begins like a request kept as text.
std::string TroffLines(std::string_view text) {
    std::string out;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        std::string escaped;
        for (char c : line) {
            if (c == '\\')
                escaped += "\\e";
            else if (c == '-')
                escaped += "\\-";
            else
                escaped += c;
        }
        if (!escaped.empty() && (escaped[0] == '.' || escaped[0] == '\'')) escaped.insert(0, "\\&");
        out += escaped + "\n";
    }
    return out;
}

std::string Preformatted(std::string_view text) { return ".nf\n" + TroffLines(text) + ".fi\n"; }

std::string Header(std::string_view name, std::string_view version) {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ".TH " + upper + " 1 \"\" \"Lovaris " + std::string(version) + "\" \"User Commands\"\n";
}

// The usage text after its "Usage:" line.
std::string_view AfterUsageLine(std::string_view usage) {
    const auto blank = usage.find("\n\n");
    return blank == std::string_view::npos ? usage : usage.substr(blank + 2);
}

constexpr std::string_view kCliDescription =
    "Does the work of the desktop program lovaris(1) without a window: project files,\n"
    "timetable variants, the planning runs, the substitution journal, the exports\n"
    "and the printed reports. Each command reads its files, does one thing and writes\n"
    "its result; a refused input creates no output file.\n";

// The file name extensions a command's arguments take ("PROJECT.tbl VARIANT.rsp"),
// and those of the file its -o writes.
struct FileKinds {
    std::set<std::string> arguments;
    std::set<std::string> output;
    bool folder = false;
};

FileKinds KindsOf(const CliCommand& c) {
    FileKinds kinds;
    const std::string synopsis(c.arguments);
    static const std::regex file(R"((-o )?\b[A-Z_]+\.([a-z]+)\b)");
    for (auto it = std::sregex_iterator(synopsis.begin(), synopsis.end(), file); it != std::sregex_iterator(); ++it)
        ((*it)[1].matched ? kinds.output : kinds.arguments).insert((*it)[2].str());
    if (synopsis.find("ARCHIVE") != std::string::npos) kinds.arguments.insert("sys");
    if (synopsis.find("_DIR") != std::string::npos) kinds.folder = true;
    return kinds;
}

std::string Pattern(const std::set<std::string>& extensions) {
    std::string pattern;
    for (const auto& e : extensions) pattern += (pattern.empty() ? "" : "|") + e;
    return pattern;
}

}  // namespace

std::string CliManPage(std::string_view version) {
    std::string page = Header("lovaris-cli", version);
    page += ".SH NAME\nlovaris\\-cli \\- the school timetable workstation Lovaris without a window\n";
    page += ".SH SYNOPSIS\n.B lovaris\\-cli\n.I COMMAND\n.RI [ ARGUMENTS ...]\n.br\n.B lovaris\\-cli\n.RI [ COMMAND ]\n.B \\-\\-help\n";
    page += ".SH DESCRIPTION\n" + TroffLines(kCliDescription);
    page += ".PP\n.B lovaris\\-cli\n.I COMMAND\n.B \\-\\-help\nprints the section of a command below.\n";
    page += ".SH COMMANDS\n";
    for (const CliCommand* c : AllCommands()) {
        page += ".SS \"" + TroffLines(std::string(c->name)).substr(0, TroffLines(std::string(c->name)).size() - 1) + "\"\n";
        page += Preformatted("lovaris-cli " + std::string(c->name) + " " + std::string(c->arguments));
        page += ".PP\n" + Preformatted(c->details);
    }
    page += ".SH \"EXIT STATUS\"\n" + TroffLines(ExitStatusText());
    page += ".SH \"SEE ALSO\"\n.BR lovaris (1)\n";
    return page;
}

std::string ProgramManPage(std::string_view version) {
    std::string page = Header("lovaris", version);
    page += ".SH NAME\nlovaris \\- the school timetable workstation Lovaris\n";
    page += ".SH SYNOPSIS\n.B lovaris\n" + TroffLines(kProgramSynopsis);
    page += ".SH DESCRIPTION\n" + Preformatted(AfterUsageLine(kProgramUsage));
    page += ".SH \"SEE ALSO\"\n.BR lovaris\\-cli (1)\n";
    return page;
}

std::string CliReferenceMarkdown() {
    std::string md =
        "# lovaris-cli: the commands\n\n"
        "<!-- Made by `build/src/cli/lovaris-docs --markdown` from the texts that\n"
        "     `lovaris-cli COMMAND --help` prints; a test keeps the two the same. -->\n\n"
        "`lovaris-cli` does the work of the desktop program without a window. ";
    md += "Each section below is what `lovaris-cli COMMAND --help` prints; the manual page "
          "`lovaris-cli(1)` holds the same text.\n\n```text\n" +
          ToolUsage() + "```\n";
    for (const CliCommand* c : AllCommands()) {
        md += "\n## " + std::string(c->name) + "\n\n" + std::string(c->summary) + "\n\n```text\n" + CommandUsage(*c);
        if (!md.ends_with('\n')) md += '\n';
        md += "```\n";
    }
    return md;
}

std::string CliBashCompletion() {
    std::string commands;
    for (const CliCommand* c : AllCommands()) commands += (commands.empty() ? "" : " ") + std::string(c->name);
    std::string cases;
    for (const CliCommand* c : AllCommands()) {
        std::string options = "--help";
        std::string valued;
        for (const CliOption& o : c->options) {
            options += " " + std::string(o.name);
            if (o.takesValue) valued += (valued.empty() ? "" : "|") + std::string(o.name);
        }
        const FileKinds kinds = KindsOf(*c);
        cases += "        " + std::string(c->name) + ")\n            opts='" + options + "'\n            valued='" +
                 valued + "'\n            files='" + Pattern(kinds.arguments) + "'\n            output='" +
                 Pattern(kinds.output) + "'\n            folder=" + (kinds.folder ? "1" : "0") + " ;;\n";
    }
    return "# bash completion for lovaris-cli: made by lovaris-docs from the tool's own usage.\n"
           "_lovaris_cli_files() {\n"
           "    local pattern=$1\n"
           "    compopt -o filenames 2>/dev/null\n"
           "    if [[ -n $pattern ]]; then\n"
           "        local IFS=$'\\n'\n"
           "        COMPREPLY=( $(compgen -d -- \"$cur\") $(compgen -f -X \"!*.@($pattern)\" -- \"$cur\") )\n"
           "    else\n"
           "        COMPREPLY=( $(compgen -f -- \"$cur\") )\n"
           "    fi\n"
           "}\n"
           "\n"
           "_lovaris_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    shopt -s extglob\n"
           "    if (( COMP_CWORD == 1 )); then\n"
           "        COMPREPLY=( $(compgen -W '" + commands + " --help' -- \"$cur\") )\n"
           "        return\n"
           "    fi\n"
           "    local opts='' valued='' files='' output='' folder=0\n"
           "    case ${COMP_WORDS[1]} in\n" +
           cases +
           "        *) return ;;\n"
           "    esac\n"
           "    if [[ $prev == @(-o|--output) ]]; then _lovaris_cli_files \"$output\"; return; fi\n"
           "    if [[ -n $valued && $prev == @($valued) ]]; then\n"
           "        case $prev in\n"
           "            --day|--to-day) COMPREPLY=( $(compgen -W '1 2 3 4 5 6' -- \"$cur\") ) ;;\n"
           "            --archive) _lovaris_cli_files 'sys' ;;\n"
           "            --bells|--into) _lovaris_cli_files '' ;;\n"
           "        esac\n"
           "        return\n"
           "    fi\n"
           "    if [[ $cur == -* ]]; then COMPREPLY=( $(compgen -W \"$opts\" -- \"$cur\") ); return; fi\n"
           "    if (( folder )); then compopt -o filenames 2>/dev/null; COMPREPLY=( $(compgen -d -- \"$cur\") ); fi\n"
           "    _lovaris_cli_files \"$files\"\n"
           "}\n"
           "complete -F _lovaris_cli lovaris-cli\n";
}

}  // namespace lovaris::cli
