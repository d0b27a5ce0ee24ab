#pragma once
// Where the program keeps what lives "beside the program" (new projects, the
// journal archive): the program's own folder when the user may write there, as in a
// build or a copy unpacked by hand; otherwise, as for a program installed
// system-wide, the user's own data folder ($XDG_DATA_HOME/lovaris, by default
// ~/.local/share/lovaris), made when missing.
#include <string>

namespace lovaris {

std::string DataFolder(const std::string& programFolder);

}  // namespace lovaris
