// The spline calculation: one routine over the data set, no arguments, no result. It writes
// every result into the data set and reports every problem through the message list.
#pragma once

#include "calc/calc_context.h"

namespace kv9 {

void SplineCalculation(const CalcContext& s);

}  // namespace kv9
