// The spline calculation: one routine over the data set, no arguments, no result. It writes
// every result into the data set and reports every problem through the message list.
#pragma once

namespace kv9 {

class Session;

void SplineCalculation(Session& s);

}  // namespace kv9
