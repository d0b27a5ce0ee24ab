#include "MessageFormat.h"

#include "Cp1251.h"

namespace lovaris {

std::string FormatMessage(std::string_view templ, std::string_view arg) {
    const auto pos = templ.find("%hs");
    if (pos == std::string_view::npos) return std::string(templ);
    std::string out(templ.substr(0, pos));
    out += arg;
    out += templ.substr(pos + 3);
    return out;
}

std::string FormatMessageEach(std::string_view templ, std::initializer_list<std::string_view> args) {
    std::string out;
    auto arg = args.begin();
    for (auto pos = templ.find("%hs"); pos != std::string_view::npos && arg != args.end(); pos = templ.find("%hs")) {
        out += templ.substr(0, pos);
        out += *arg++;
        templ.remove_prefix(pos + 3);
    }
    out += templ;
    return out;
}

std::string FormatMessage(TextId id, std::string_view arg) { return FormatMessage(LoadResText(id), arg); }

std::string FileNameWithoutFolder(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ProjectDisplayName(std::string_view path) {
    std::string name = FileNameWithoutFolder(path);
    // Characters, not bytes: a Cyrillic extension counts one per letter.
    const std::size_t length = utf8Length(name);
    const std::size_t tailStart = length > 4 ? length - 4 : 0;
    const std::string head = utf8Left(name, tailStart);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot >= head.size()) name.resize(dot);
    return name;
}

}  // namespace lovaris
