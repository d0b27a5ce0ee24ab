#include "RoomAssignmentQuestion.h"

namespace lovaris {

TextId RoomQuestionTextId(RoomQuestionKind kind) {
    switch (kind) {
        case RoomQuestionKind::TooFewOpenRooms: return TextId::RoomsTooFewOpen;
        case RoomQuestionKind::AttachedRoomTaken: return TextId::RoomsAttachedRoomTaken;
        case RoomQuestionKind::NoSpecializedRoom: return TextId::RoomsNoSpecializedRoom;
        case RoomQuestionKind::NoRoom: break;
    }
    return TextId::RoomsNoRoom;
}

// Values are filled in one pass, so a teacher name holding "%hs" is left as it is.
std::string FormatRoomQuestion(RoomQuestionKind kind, std::initializer_list<std::string_view> values) {
    const std::string templ = LoadResText(RoomQuestionTextId(kind));
    std::string out;
    std::size_t from = 0;
    for (std::string_view value : values) {
        const auto pos = templ.find("%hs", from);
        if (pos == std::string::npos) break;
        out.append(templ, from, pos - from);
        out += value;
        from = pos + 3;
    }
    out.append(templ, from, std::string::npos);
    return out;
}

}  // namespace lovaris
