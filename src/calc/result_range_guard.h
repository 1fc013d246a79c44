// The last line of defence against numbers that cannot be shown: after a calculation every
// real the calculation writes is checked, and an infinity or NaN (from huge or unreadable
// inputs of a data file) becomes 0 with one message.
#pragma once

namespace kv9 {

struct CalcContext;

// True when every value was finite; otherwise the bad ones are 0 and "Fehler : Zahlenbereich !"
// is in the message list.
bool GuardResultRange(const CalcContext& s);

}  // namespace kv9
