// Writes a synthetic "Архивный Фонд" base: every table of the archive model
// with its memo file, the CDX indexes and the storage list Hran.txt, with
// Russian titles and dates in archival notation, and the photo folder beside
// it. The same options give byte-identical files.
#pragma once

#include <string>
#include <vector>

#include "demo/demo_options.h"
#include "demo/demo_photos.h"

namespace kestrin::demo {

// Live records written, by table; `deleted` counts the deleted records of all tables.
struct DemoCounts {
  long long fonds = 0;
  long long inventories = 0;
  long long files = 0;
  long long documents = 0;
  long long renamings = 0;
  long long topography = 0;
  long long photoRecords = 0;
  long long rubrics = 0;
  long long keywords = 0;
  long long deleted = 0;
  PhotoCounts photos;
};

// Writes the tables, indexes and Hran.txt into `baseFolder`, which must
// exist; `photoFiles`, when given, receives the files of photographs chosen
// for the photo folder. Throws std::runtime_error naming a file that cannot
// be written.
DemoCounts writeDemoBase(const std::string& baseFolder, const DemoOptions& options,
                         std::vector<PhotoFile>* photoFiles = nullptr);

// The tables of writeDemoBase without the photo folder (kept for the callers
// that wrote the four level tables alone).
inline DemoCounts writeDemoLevelTables(const std::string& baseFolder, const DemoOptions& options) {
  return writeDemoBase(baseFolder, options);
}

struct DemoArchive {
  std::string baseFolder;   // DIR/DBF
  std::string photoFolder;  // DIR/Photo
  DemoCounts counts;
};

// The whole demo archive under `dir` (created when missing): the base in
// DIR/DBF and the photo folder in DIR/Photo.
DemoArchive writeDemoArchive(const std::string& dir, const DemoOptions& options);

}  // namespace kestrin::demo
