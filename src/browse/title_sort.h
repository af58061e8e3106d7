// Sorting by a click on a column title. The fond list changes order through
// the tags of "fond.cdx" (FKOD, NAME), the file list through "delo.cdx"
// (DELO); the sort markers of the titles record the choice, and the fond
// order is re-established from them whenever the fond page is entered.
#pragma once

#include <string>
#include <vector>

#include "browse/grid_columns.h"

namespace kestrin::browse {

// What the sorting needs of a level table's index order.
class IndexOrder {
 public:
  virtual ~IndexOrder() = default;
  virtual bool hasIndexFiles() const = 0;
  virtual void clearIndexFiles() = 0;
  virtual void addIndexFile(const std::string& name) = 0;
  // An empty name means record order.
  virtual void setIndexName(const std::string& tag) = 0;
  virtual int recordCount() = 0;
  // The index file exists in the base folder (names matched without case).
  virtual bool indexFileExists(const std::string& name) const = 0;
};

// Title click on the fond grid (the inventory and document grids' titles act
// on the fond list too). `markers` are the fond grid's: the clicked title
// takes the ascending marker (both tags sort ascending) and the other title
// button loses its own, so the markers always show the order the list has.
void fondTitleClick(IndexOrder& fonds, int column, std::vector<SortMarker>& markers);

// Title click on the file grid.
void deloTitleClick(IndexOrder& files, int column, std::vector<SortMarker>& markers);

// The markers of a level grid with `columns` columns whose list is in the
// order of `tag` ("" for record order): ascending over the column the tag
// sorts (fonds: FKOD column 0, NAME column 1; files: DELO column 0), none
// elsewhere and for record order.
std::vector<SortMarker> markersOfOrder(int level, const std::string& tag, std::size_t columns);

// Entering the fond page: FKOD when column 0 shows the ascending marker, NAME
// when column 1 does (NAME wins when both do), else record order. The caller
// keeps the current record across the change.
void reestablishFondOrder(IndexOrder& fonds, const std::vector<SortMarker>& markers);

}  // namespace kestrin::browse
