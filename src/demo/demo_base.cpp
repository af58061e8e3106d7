#include "demo/demo_base.h"

#include <filesystem>

#include "demo/demo_writer.h"

namespace kestrin::demo {

namespace fs = std::filesystem;

DemoCounts writeDemoBase(const std::string& baseFolder, const DemoOptions& options,
                         std::vector<PhotoFile>* photoFiles) {
  DemoBaseWriter writer(baseFolder, options);
  DemoCounts counts = writer.run();
  if (photoFiles) *photoFiles = writer.photoFiles();
  return counts;
}

DemoArchive writeDemoArchive(const std::string& dir, const DemoOptions& options) {
  DemoArchive archive;
  archive.baseFolder = (fs::path(dir) / "DBF").string();
  archive.photoFolder = (fs::path(dir) / "Photo").string();
  fs::create_directories(archive.baseFolder);
  std::vector<PhotoFile> photoFiles;
  archive.counts = writeDemoBase(archive.baseFolder, options, &photoFiles);
  if (options.progress) options.progress("writing the photo folder");
  archive.counts.photos = writeDemoPhotos(fs::path(dir) / "Photo", photoFiles, options.seed, options.progress);
  return archive;
}

}  // namespace kestrin::demo
