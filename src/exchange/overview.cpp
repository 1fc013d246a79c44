#include "exchange/overview.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "core/file_util.h"
#include "core/text.h"
#include "model/spline_data_set.h"

namespace kv9 {

int OverviewColumnWidth(int column) {
  switch (column) {
    case 0:
      return 150;
    case 1:
      return 64;
    case 2:
    case 3:
      return 90;
    case 4:
      return 180;
    default:
      return kOverviewDefaultWidth;
  }
}

OverviewRow OverviewHeader(const UnitStyle& u) {
  const std::string length = " [" + Cp850ToUtf8(LengthUnit(u)) + "]";
  const std::string stress = " [" + Cp850ToUtf8(StressUnit(u)) + "]";
  const std::string torque = " [" + Cp850ToUtf8(TorqueUnit(u)) + "]";
  return {"File",
          "Date  y/m/d",
          "1 (Welle)",
          "2 (Nabe)",
          "Fit",
          "Pitch",
          "phi D [°]",
          "N",
          "x",
          "D" + length,
          "Lg" + length,
          "T" + torque,
          "Sac" + stress,
          "Sas" + stress,
          "Sh" + stress,
          "Sb" + stress,
          "St" + stress,
          "Se" + stress};
}

namespace {

Real Larger(const Pair<Real>& p) {
  return std::max(std::fabs(p[0]), std::fabs(p[1]));
}

}  // namespace

OverviewRow OverviewRowOf(const SplineDataSet& ds, const UnitStyle& u, const std::string& file_name,
                          long long file_time) {
  const int fit = ds.fit_index >= 1 && ds.fit_index <= 3 ? ds.fit_index : 1;
  const auto stress = [&](Real x) { return FormatStressFixed(u, 4, 0, x); };
  return {file_name,
          FileDateText(file_time),
          Cp850ToUtf8(ds.drawing_number_shaft),
          Cp850ToUtf8(ds.drawing_number_hub),
          kFitTexts[fit - 1],
          FormatShort(u.number, ds.P) + "/" + FormatShort(u.number, 2 * ds.P),
          FormatFixed(u.number, 3, 1, ds.phi_d),
          FormatIntRight(ds.N, 3),
          FormatFixed(u.number, 1, 3, ds.x[0]),
          FormatLengthFixed(u, 3, 3, std::fabs(ds.D[0])),
          FormatLengthFixed(u, 3, 1, ds.b),
          FormatTorqueFixed(u, 3, 1, ds.torque),
          stress(ds.sac),
          stress(ds.sas),
          stress(ds.Sh),
          stress(Larger(ds.Sb)),
          stress(Larger(ds.St)),
          stress(Larger(ds.Se))};
}

std::vector<OverviewFile> OverviewFiles(const std::string& dir) {
  std::vector<OverviewFile> files;
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return files;
  while (const dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name.size() < 5 || strcasecmp(name.c_str() + name.size() - 4, ".kv9") != 0) continue;
    struct stat st;
    if (stat((AddBackslash(dir) + name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
      files.push_back({name, static_cast<long long>(st.st_mtime)});
  }
  closedir(d);
  return files;
}

namespace {

void QuickSort(std::vector<OverviewRow>& rows, int column, int low, int high) {
  int i = low, j = high;
  const std::string pivot = rows[(low + high) / 2][column];
  while (i <= j) {
    while (rows[i][column] < pivot) ++i;
    while (pivot < rows[j][column]) --j;
    if (i <= j) std::swap(rows[i++], rows[j--]);
  }
  if (low < j) QuickSort(rows, column, low, j);
  if (i < high) QuickSort(rows, column, i, high);
}

}  // namespace

void SortOverviewRows(std::vector<OverviewRow>& rows, int column) {
  if (column < 0 || column >= kOverviewColumns || rows.size() < 2) return;
  QuickSort(rows, column, 0, static_cast<int>(rows.size()) - 1);
}

bool OverviewForm::clickRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows.size()) || row == last_clicked_) return false;
  last_clicked_ = row;
  chosen_file_ = rows[row][0];
  return true;
}

std::vector<std::vector<std::string>> OverviewForm::cells() const {
  std::vector<std::vector<std::string>> out;
  out.emplace_back(header.begin(), header.end());
  for (const OverviewRow& row : rows) out.emplace_back(row.begin(), row.end());
  return out;
}

}  // namespace kv9
