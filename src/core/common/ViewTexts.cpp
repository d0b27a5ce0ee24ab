#include "ViewTexts.h"

namespace lovaris {
namespace {

using X = ViewText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::TabKlasses), "Классы"},
    {static_cast<int>(X::TabTeachers), "Учителя"},
    {static_cast<int>(X::TabKlassesDraft), "Черновик (классы)"},
    {static_cast<int>(X::TabTeachersDraft), "Черновик (учителя)"},
    {static_cast<int>(X::TabRooms), "Кабинеты"},
    {static_cast<int>(X::DayLabel), "День недели:"},
    {static_cast<int>(X::Vertical), "Верт."},
    {static_cast<int>(X::Horizontal), "Горз."},
    {static_cast<int>(X::HintContinue), "Продолжить"},
    {static_cast<int>(X::HintAbort), "Прервать"},
};

}  // namespace

std::span<const TextEntry> ViewTexts() { return kTexts; }

}  // namespace lovaris
