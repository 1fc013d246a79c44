#include "calc/stress_tables.h"

namespace kv9 {

namespace {

bool Chosen(int index, int count) {
  return index >= 1 && index < count;
}

}  // namespace

std::optional<Real> AllowableShearPsi(int material) {
  constexpr Real psi[4] = {50000, 50000, 40000, 40000};
  if (!Chosen(material, kMaterialChoices)) return std::nullopt;
  return psi[material - 1];
}

std::optional<Real> AllowableCompressivePsi(int material, int spline) {
  // rows: material; columns: flexible, fixed
  constexpr Real psi[4][2] = {{15000, 20000}, {12000, 16000}, {15000, 20000}, {12000, 15000}};
  if (!Chosen(material, kMaterialChoices) || !Chosen(spline, kSplineChoices)) return std::nullopt;
  return psi[material - 1][spline - 1];
}

std::optional<Real> WearLifeFactor(int revolutions, int spline) {
  constexpr Real flexible[7] = {4.0L, 2.8L, 2.0L, 1.4L, 1.0L, 0.7L, 0.5L};
  if (!Chosen(revolutions, kRevolutionChoices) || !Chosen(spline, kSplineChoices))
    return std::nullopt;
  return spline == 1 ? flexible[revolutions - 1] : 1.0L;  // a fixed spline does not wear
}

std::optional<Real> FatigueLifeFactor(int torque_cycles, int cycle_type) {
  constexpr Real factor[2][5] = {{1.8L, 1.0L, 0.5L, 0.4L, 0.3L}, {1.8L, 1.0L, 0.4L, 0.3L, 0.2L}};
  if (!Chosen(torque_cycles, kTorqueCycleChoices) || !Chosen(cycle_type, kCycleTypeChoices))
    return std::nullopt;
  return factor[cycle_type - 1][torque_cycles - 1];
}

std::optional<Real> OverloadFactor(int power_source, int load) {
  constexpr Real factor[3][4] = {
      {1.0L, 1.2L, 1.5L, 1.8L}, {1.2L, 1.3L, 1.8L, 2.1L}, {2.0L, 2.2L, 2.4L, 2.8L}};
  if (!Chosen(power_source, kPowerSourceChoices) || !Chosen(load, kLoadChoices))
    return std::nullopt;
  return factor[power_source - 1][load - 1];
}

std::optional<Real> MisalignmentFactor(int misalignment, int face_width) {
  constexpr Real factor[4][4] = {{1.0L, 1.0L, 1.0L, 1.5L},
                                 {1.0L, 1.0L, 1.5L, 2.0L},
                                 {1.0L, 1.5L, 2.0L, 2.5L},
                                 {1.5L, 2.0L, 2.5L, 3.0L}};
  if (!Chosen(misalignment, kMisalignmentChoices) || !Chosen(face_width, kFaceWidthChoices))
    return std::nullopt;
  return factor[misalignment - 1][face_width - 1];
}

std::optional<Real> MaxMisalignment(int misalignment) {
  constexpr Real b[4] = {0.001L, 0.002L, 0.004L, 0.008L};
  if (!Chosen(misalignment, kMisalignmentChoices)) return std::nullopt;
  return b[misalignment - 1];
}

}  // namespace kv9
