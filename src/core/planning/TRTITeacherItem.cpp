#include "TRTITeacherItem.h"

namespace lovaris {

bool TRTITeacherItem::isHonouredWish(std::int16_t value, WishesMode mode) {
    const int m = static_cast<int>(mode);
    switch (value) {
        case kTeacherWishHigh: return m <= 3;
        case kTeacherWishMedium: return m <= 2;
        case kTeacherWishLow: return m <= 1;
        default: return false;
    }
}

bool TRTITeacherItem::closesHour(std::int16_t value, WishesMode mode) {
    return value == kTeacherBusy || isHonouredWish(value, mode);
}

}  // namespace lovaris
