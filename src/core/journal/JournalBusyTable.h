#pragma once
// Who is away and who already substitutes at which lesson of the shown day, as the
// journal's rows say: pairs of (teacher index, code), code n (1..L) for a
// substitution at lesson n and 0xFFFF - n for an absence at lesson n. It grows with
// the rows, however many there are.
#include <cstdint>
#include <string>
#include <vector>

#include "TZamDataStrings.h"

namespace lovaris {

struct JournalBusyPair {
    int teacher = -1;
    std::uint16_t code = 0xFFFF;
    bool operator==(const JournalBusyPair&) const = default;
};

class JournalBusyTable {
public:
    // Teachers are matched by display name, case aside. An absent teacher is away at
    // every lesson that any of its rows' absence entries name.
    void Rebuild(const std::vector<JournalRow>& rows, const std::vector<std::string>& teacherNames);

    bool IsAbsent(int teacher, int lesson) const;
    bool IsSubstituting(int teacher, int lesson) const;
    const std::vector<JournalBusyPair>& pairs() const { return pairs_; }

    static std::uint16_t AbsenceCode(int lesson) { return static_cast<std::uint16_t>(0xFFFF - lesson); }

private:
    void add(int teacher, std::uint16_t code);
    bool has(int teacher, std::uint16_t code) const;

    std::vector<JournalBusyPair> pairs_;
};

}  // namespace lovaris
