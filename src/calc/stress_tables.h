// The selection tables of the SAE stress check: allowable stresses by material and spline
// kind, wear and fatigue life factors, overload and misalignment factors. Every selection is
// 0-based with 0 = "self-defined"; a lookup gives nullopt when a selection it needs is 0 or
// outside its table.
#pragma once

#include <optional>

#include "core/real.h"

namespace kv9 {

inline constexpr int kSplineChoices = 3;        // self-defined, flexible, fixed
inline constexpr int kMaterialChoices = 5;      // self-defined + 4 materials
inline constexpr int kRevolutionChoices = 8;    // self-defined + 0.01 .. 10 000 million
inline constexpr int kTorqueCycleChoices = 6;   // self-defined + 1000 .. 10 000 000
inline constexpr int kCycleTypeChoices = 3;     // self-defined, uni directional, fully reversed
inline constexpr int kPowerSourceChoices = 4;   // self-defined, uniform, light, medium
inline constexpr int kLoadChoices = 5;          // self-defined, uniform .. heavy shock
inline constexpr int kMisalignmentChoices = 5;  // self-defined, 0.001 .. 0.008 in./in.
inline constexpr int kFaceWidthChoices = 5;     // self-defined, 1/2 .. 4 in.

std::optional<Real> AllowableShearPsi(int material);
std::optional<Real> AllowableCompressivePsi(int material, int spline);
std::optional<Real> WearLifeFactor(int revolutions, int spline);
std::optional<Real> FatigueLifeFactor(int torque_cycles, int cycle_type);
std::optional<Real> OverloadFactor(int power_source, int load);
std::optional<Real> MisalignmentFactor(int misalignment, int face_width);
// The misalignment B in in./in. of a misalignment selection 1..4.
std::optional<Real> MaxMisalignment(int misalignment);

}  // namespace kv9
