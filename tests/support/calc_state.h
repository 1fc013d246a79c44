// A data set with the message list and flags of its calculation for one test case: what the
// calculation works on, without any Ui.
#pragma once

#include <string_view>

#include "calc/calc_context.h"

namespace kv9::test {

struct CalcState {
  SplineDataSet ds;
  MessageList messages;
  bool fatal_flag = false;
  bool abort_flag = false;
  Pair<Real> drawing_shift = {0, 0};  // what the tooth-form drawings would start from
  CalcContext calcContext() { return {ds, messages, fatal_flag, abort_flag, drawing_shift}; }
};

// Whether the calculation message list holds exactly this text.
inline bool HasMessage(const CalcState& s, std::string_view text) {
  for (const auto& m : s.messages.entries)
    if (m == text) return true;
  return false;
}

}  // namespace kv9::test
