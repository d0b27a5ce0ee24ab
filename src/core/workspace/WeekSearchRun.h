#pragma once
// The week variant search over the selected group, as its dialog runs it: the dialog
// calls Resume() from its event loop until the search has ended or was aborted;
// "Дальше" and "Прервать" call NextTeacher() and Abort(). What a member gets is in
// the variant as soon as it is done, and marks the variant modified.
#include "../weekvars/WeekVariantSearch.h"
#include "SlicedRun.h"
#include "VariantWorkspace.h"

namespace lovaris {

class WeekSearchRun {
public:
    WeekSearchRun(VariantWorkspace& workspace, SliceLimit limit);

    // One slice: until the limit, a member done, the end or the abort (SliceOver,
    // TeacherDone, Ended, Aborted). Once over it keeps answering how it ended.
    WeekSearchEvent Resume();
    // "Дальше": the member being searched keeps the best it has found so far.
    void NextTeacher() { search_.requestNextTeacher(); }
    // "Прервать": the member in hand is left as it was; no further member starts.
    void Abort() { control_.RequestStop(); }

    bool over() const { return over_; }
    const WeekVariantSearch& search() const { return search_; }

private:
    VariantWorkspace& workspace_;
    SlicedRunControl control_;
    WeekVariantSearch search_;
    bool over_ = false;
    WeekSearchEvent end_ = WeekSearchEvent::Ended;
};

}  // namespace lovaris
