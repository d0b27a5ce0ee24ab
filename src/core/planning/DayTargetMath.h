#pragma once
// Arithmetic shared by the class and teacher day targets.

namespace lovaris {

// The quotient truncated towards zero, plus 1 when anything remains (also for a
// negative dividend: -5 / 6 gives 1).
constexpr int DivideRoundingUp(int dividend, int divisor) {
    return dividend / divisor + (dividend % divisor != 0 ? 1 : 0);
}

// A teacher's largest day before blocked hours: room for two windows above a
// light day, never below six lessons.
constexpr int TeacherDayMaximum(int minimum) {
    if (minimum + 4 <= 6) return minimum + 4;
    if (minimum + 2 > 6) return minimum + 2;
    return 6;
}

}  // namespace lovaris
