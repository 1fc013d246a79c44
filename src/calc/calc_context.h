// What the calculation works on: the data set, the message list with its fatal flag, the abort
// flag, and the drawing profile shifts it hands on to the tooth-form drawings.
#pragma once

#include "core/message_list.h"
#include "core/real.h"
#include "model/spline_data_set.h"

namespace kv9 {

struct CalcContext {
  SplineDataSet& ds;
  MessageList& messages;
  bool& fatal_flag;
  bool& abort_flag;
  // The tooth-form drawings' profile shift of each member, set to the calculated x after every
  // calculation.
  Pair<Real>& drawing_shift;
};

}  // namespace kv9
