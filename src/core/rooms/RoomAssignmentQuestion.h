#pragma once
// The yes/no questions room assignment asks while it runs. The caller answers them:
// a dialog in the desktop program, a flag in the command-line tool, a script in tests.
#include <initializer_list>
#include <string>
#include <string_view>

#include "../common/StringTable.h"

namespace lovaris {

enum class RoomQuestionKind {
    TooFewOpenRooms,     // "Произвести частичную расстановку?"
    AttachedRoomTaken,   // a teacher's attached room is taken at the hour
    NoSpecializedRoom,   // no room of the subject's specialisation is left
    NoRoom,              // no room at all is left
};

struct RoomQuestion {
    RoomQuestionKind kind = RoomQuestionKind::NoRoom;
    int lesson = 0;    // the lesson number asked about
    int teacher = -1;  // the teacher asked about, -1 for the too-few-rooms question
    std::string text;  // in the system's words, values filled in
};

class RoomQuestionSink {
public:
    virtual ~RoomQuestionSink() = default;
    // True for "Да": the assignment goes on.
    virtual bool Ask(const RoomQuestion& question) = 0;
};

TextId RoomQuestionTextId(RoomQuestionKind kind);
// The question's text with each "%hs" replaced by the next value, in order.
std::string FormatRoomQuestion(RoomQuestionKind kind, std::initializer_list<std::string_view> values);

}  // namespace lovaris
