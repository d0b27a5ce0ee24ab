#include "WorkspaceTexts.h"

namespace lovaris {
namespace {

using X = WorkspaceText;

constexpr TextEntry kTexts[] = {
    {static_cast<int>(X::VariantFolderName), "Variant"},
    {static_cast<int>(X::NewVariantName), "Новое расписание"},
    {static_cast<int>(X::VariantExtension), "rsp"},
    {static_cast<int>(X::VariantFileFilter), "Варианты расписаний (*.rsp)"},
    {static_cast<int>(X::SaveVariantAsTitle), "Сохранить вариант как"},
    {static_cast<int>(X::OpenVariantTitle), "Открыть вариант"},
    {static_cast<int>(X::VariantAlreadyOpen), "Вариант \"%hs\" уже открыт."},
    {static_cast<int>(X::VariantModifiedAskSave), "Вариант \"%hs\" был изменен. Сохранить изменения?"},
    {static_cast<int>(X::NoLessonInVariant), "В открытом варианте расписания не выставлено ни одного урока."},

    {static_cast<int>(X::OptionsCaption), "Опции"},
    {static_cast<int>(X::OptionsCommentLabel), "Комментарии (не более 80 символов):"},
    {static_cast<int>(X::OptionsCommentPresetLine1), "В этом поле вводится описание варианта, "},
    {static_cast<int>(X::OptionsCommentPresetLine2), "например: Расписание на I полугодие."},
    {static_cast<int>(X::OptionsMaxVariantsLabel), "Максимальное число вариантов на день при автосохранении:"},
    {static_cast<int>(X::OptionsMaxWindowsLabel), "Максимальное число \"окон\" на учителя при оптимизации:"},
    {static_cast<int>(X::OptionsWishesLabel), "Учет пожеланий учителей при расстановке уроков:"},
    {static_cast<int>(X::OptionsWishesAll), "Учитывать все пожелания"},
    {static_cast<int>(X::OptionsWishesMediumAndHigh), "Средний и высокий приоритет"},
    {static_cast<int>(X::OptionsWishesHighOnly), "Только высокий приоритет"},
    {static_cast<int>(X::OptionsWishesNone), "Не учитывать приоритеты"},
    {static_cast<int>(X::OptionsWeightsGroup), " Весовые коэффициенты для подбора вариантов "},
    {static_cast<int>(X::OptionsParallelWeightLabel), "Учет параллелей:"},
    {static_cast<int>(X::OptionsSanitaryWeightLabel), "Учет нормативов СЭС:"},
    {static_cast<int>(X::OptionsTeacherBusyWeightLabel), "Учет занятости учителей:"},
};

}  // namespace

std::span<const TextEntry> WorkspaceTexts() { return kTexts; }

}  // namespace lovaris
