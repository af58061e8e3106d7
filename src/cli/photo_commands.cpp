// kestrin-cli photos, photo-search and photo-info: the photo list of a file,
// the photo page's search through the catalogue, and what the picture
// window's status bar and tooltip say of one photo.
#include <string>

#include "archive/format/file_info.h"
#include "cli/command.h"
#include "cli/json_writer.h"
#include "photo/file_photos.h"
#include "photo/photo_catalogue.h"
#include "photo/photo_paths.h"
#include "photo/picture_facts.h"
#include "photo/picture_header.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using text::cp1251ToUtf8;
using text::utf8ToCp1251;

std::string photoFolderArg(const std::string& utf8) { return photo::withTrailingSeparator(utf8ToCp1251(utf8)); }

}  // namespace

int runPhotos(const Args& args, std::ostream& out) {
  if (args.size() != 4) throw UsageError("usage: kestrin-cli photos PHOTO_DIR FOND OPIS DELO");
  photo::FilePhotos photos;
  const auto paths =
      photos.list(photoFolderArg(args[0]), {utf8ToCp1251(args[1]), utf8ToCp1251(args[2]), utf8ToCp1251(args[3])});
  for (const std::string& path : *paths) {
    JsonLine(out).string("path", cp1251ToUtf8(path)).string("name", cp1251ToUtf8(photo::baseNameOf(path)));
  }
  return 0;
}

int runPhotoSearch(const Args& args, std::ostream& out) {
  std::vector<std::string> positional;
  photo::PhotoSearchMode mode = photo::PhotoSearchMode::AllWords;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--mode") {
      const std::string& value = optionValue(args, i);
      if (value == "all") {
        mode = photo::PhotoSearchMode::AllWords;
      } else if (value == "any") {
        mode = photo::PhotoSearchMode::AnyWord;
      } else if (value == "phrase") {
        mode = photo::PhotoSearchMode::AsIs;
      } else {
        throw UsageError("Unknown photo search mode \"" + value + "\" (all, any or phrase)");
      }
    } else if (args[i].starts_with("--")) {
      throw UsageError("Unknown option " + args[i]);
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2)
    throw UsageError("usage: kestrin-cli photo-search PHOTO_DIR QUERY [--mode all|any|phrase]");
  const std::string folder = photoFolderArg(positional[0]);
  photo::PhotoCatalogue catalogue;
  if (const auto file = photo::photoDatFile(folder)) {
    catalogue.loadFile(*file, folder);
  } else {
    catalogue.scan(folder);
  }
  // The search box hands the word modes its text with a blank appended.
  std::string query = utf8ToCp1251(positional[1]);
  if (mode != photo::PhotoSearchMode::AsIs) query += ' ';
  for (const std::string& path : catalogue.search(query, mode)) JsonLine(out).string("path", cp1251ToUtf8(path));
  return 0;
}

int runPhotoInfo(const Args& args, std::ostream& out) {
  if (args.size() != 1) throw UsageError("usage: kestrin-cli photo-info FILE");
  const std::string path = utf8ToCp1251(args[0]);
  const photo::PictureHeader header = photo::readPictureHeader(path);
  JsonLine(out)
      .string("size", cp1251ToUtf8(photo::sizePanelText(header.size.width, header.size.height, header.density)))
      .string("file_size", cp1251ToUtf8(archive::fileSizeText(photo::fsPath(path))))
      .string("tooltip", cp1251ToUtf8(photo::tooltipText(path)));
  return 0;
}

}  // namespace kestrin::cli
