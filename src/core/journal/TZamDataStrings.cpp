#include "TZamDataStrings.h"

namespace lovaris {
namespace {

bool inside(const TZamDataStrings& day, int column, int row) {
    return column >= 0 && column < kJournalColumns && row >= 1 && row <= day.rowCount();
}

}  // namespace

const std::string& TZamDataStrings::text(int column, int row) const {
    static const std::string kEmpty;
    return inside(*this, column, row) ? rows[static_cast<std::size_t>(row - 1)].texts[static_cast<std::size_t>(column)]
                                      : kEmpty;
}

std::int32_t TZamDataStrings::tag(int column, int row) const {
    return inside(*this, column, row) ? rows[static_cast<std::size_t>(row - 1)].tags[static_cast<std::size_t>(column)] : 0;
}

}  // namespace lovaris
