#include "browse/title_sort.h"

namespace kestrin::browse {

namespace {

constexpr const char* kFondIndex = "fond.cdx";
constexpr const char* kDeloIndex = "delo.cdx";

// Adds the level's index file when the list has none yet, when the file
// exists and there is something to sort (the count, which may walk the whole
// list, is asked last).
void attachIndexWhenUseful(IndexOrder& list, const char* file) {
  if (!list.hasIndexFiles() && list.indexFileExists(file) && list.recordCount() > 1) list.addIndexFile(file);
}

void setMarker(std::vector<SortMarker>& markers, int column, SortMarker marker) {
  if (column >= 0 && static_cast<std::size_t>(column) < markers.size())
    markers[static_cast<std::size_t>(column)] = marker;
}

bool ascending(const std::vector<SortMarker>& markers, std::size_t column) {
  return column < markers.size() && markers[column] == SortMarker::ascending;
}

}  // namespace

void fondTitleClick(IndexOrder& fonds, int column, std::vector<SortMarker>& markers) {
  attachIndexWhenUseful(fonds, kFondIndex);
  if (!fonds.hasIndexFiles()) return;
  if (column != 0 && column != 1) return;
  fonds.setIndexName(column == 0 ? "FKOD" : "NAME");
  setMarker(markers, column, SortMarker::ascending);
  setMarker(markers, 1 - column, SortMarker::none);
}

void deloTitleClick(IndexOrder& files, int column, std::vector<SortMarker>& markers) {
  attachIndexWhenUseful(files, kDeloIndex);
  if (!files.hasIndexFiles()) return;
  if (column == 0) {
    setMarker(markers, 0, SortMarker::ascending);
    files.setIndexName("DELO");
  } else if (column == 1) {
    setMarker(markers, 0, SortMarker::none);
    setMarker(markers, 1, SortMarker::none);
    files.setIndexName("");
  }
}

std::vector<SortMarker> markersOfOrder(int level, const std::string& tag, std::size_t columns) {
  std::vector<SortMarker> markers(columns, SortMarker::none);
  if (level == 0 && tag == "FKOD") setMarker(markers, 0, SortMarker::ascending);
  if (level == 0 && tag == "NAME") setMarker(markers, 1, SortMarker::ascending);
  if (level == 2 && tag == "DELO") setMarker(markers, 0, SortMarker::ascending);
  return markers;
}

void reestablishFondOrder(IndexOrder& fonds, const std::vector<SortMarker>& markers) {
  fonds.clearIndexFiles();
  if (!fonds.indexFileExists(kFondIndex)) return;
  fonds.addIndexFile(kFondIndex);
  if (ascending(markers, 0)) fonds.setIndexName("FKOD");
  if (ascending(markers, 1)) fonds.setIndexName("NAME");
}

}  // namespace kestrin::browse
