#include "LessonChoice.h"

#include "../common/ManualTexts.h"

namespace lovaris {

ChoiceState LessonChoice::State(const ChoiceEntry& entry) const {
    if (entry.fixedState == 1) return ChoiceState::InClean;
    if (entry.fixedState == 2) return ChoiceState::InDraft;
    const int size = entry.size();
    if (freeRun < size) return ChoiceState::OwnBusy;
    if (entry.firstClosed > 0 && entry.firstClosed <= position + size - 1) return ChoiceState::Forbidden;
    if (entry.fit < size) return ChoiceState::LinkBusy;
    return ChoiceState::Placeable;
}

std::string LessonChoice::StatusText(const ChoiceEntry& entry) const {
    switch (State(entry)) {
        case ChoiceState::InClean: return LoadResText(ManualText::StateInClean);
        case ChoiceState::InDraft: return LoadResText(ManualText::StateInDraft);
        case ChoiceState::OwnBusy:
            return LoadResText(teacherPopup() ? ManualText::StateTeacherBusy : ManualText::StateKlassBusy);
        case ChoiceState::Forbidden: return LoadResText(ManualText::StateForbidden);
        case ChoiceState::LinkBusy:
            return LoadResText(teacherPopup() ? ManualText::StateLinkBusyTeacher : ManualText::StateLinkBusyKlass);
        case ChoiceState::Placeable: break;
    }
    return {};
}

std::string LessonChoice::HoursText(const ChoiceEntry& entry) { return std::to_string(entry.size()); }

int LessonChoice::MinSize(const ChoiceEntry& entry) { return entry.sizes.empty() ? 0 : entry.sizes.front(); }

int LessonChoice::MaxSize(const ChoiceEntry& entry) { return entry.sizes.empty() ? 0 : entry.sizes.back(); }

ChoiceEntry* LessonChoice::entry(int tab, int row) {
    if (tab < 0 || tab >= static_cast<int>(tabs.size())) return nullptr;
    auto& entries = tabs[static_cast<std::size_t>(tab)].entries;
    if (row < 0 || row >= static_cast<int>(entries.size())) return nullptr;
    return &entries[static_cast<std::size_t>(row)];
}

const ChoiceEntry* LessonChoice::entry(int tab, int row) const {
    return const_cast<LessonChoice*>(this)->entry(tab, row);
}

bool LessonChoice::StepSize(int tab, int row, int step) {
    ChoiceEntry* e = entry(tab, row);
    if (!e) return false;
    const int next = e->selected + (step > 0 ? 1 : -1);
    if (next < 0 || next >= static_cast<int>(e->sizes.size())) return false;
    e->selected = next;
    return true;
}

}  // namespace lovaris
