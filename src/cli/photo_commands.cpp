// kestrin-cli photos, photo-search and photo-info: the photo list of a file,
// the photo page's search through the catalogue, and what the picture
// window's status bar and tooltip say of one photo.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "archive/format/file_info.h"
#include "cli/command.h"
#include "cli/command_parser.h"
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
namespace fs = std::filesystem;

std::string photoFolderArg(const std::string& utf8) { return photo::withTrailingSeparator(utf8ToCp1251(utf8)); }

}  // namespace

int runPhotos(const Args& args, std::ostream& out) {
  std::string folder;
  std::string fond;
  std::string opis;
  std::string delo;
  CommandParser parser("photos");
  CLI::App& app = parser.app();
  app.add_option("PHOTO_DIR", folder)->required();
  app.add_option("FOND", fond)->required();
  app.add_option("OPIS", opis)->required();
  app.add_option("DELO", delo)->required();
  parser.parse(args);
  photo::FilePhotos photos;
  const auto paths = photos.list(photoFolderArg(folder), {utf8ToCp1251(fond), utf8ToCp1251(opis), utf8ToCp1251(delo)});
  for (const std::string& path : *paths) {
    JsonLine(out).string("path", cp1251ToUtf8(path)).string("name", cp1251ToUtf8(photo::baseNameOf(path)));
  }
  return 0;
}

int runPhotoSearch(const Args& args, std::ostream& out) {
  std::string folderArg;
  std::string queryArg;
  photo::PhotoSearchMode mode = photo::PhotoSearchMode::AllWords;
  CommandParser parser("photo-search");
  parser.app().add_option("PHOTO_DIR", folderArg)->required();
  parser.app().add_option("QUERY", queryArg)->required();
  const Choices<photo::PhotoSearchMode> modes = {{"all", photo::PhotoSearchMode::AllWords},
                                                 {"any", photo::PhotoSearchMode::AnyWord},
                                                 {"phrase", photo::PhotoSearchMode::AsIs}};
  parser.addChoice("--mode", mode, modes, "photo search mode");
  parser.parse(args);
  const std::string folder = photoFolderArg(folderArg);
  photo::PhotoCatalogue catalogue;
  if (const auto file = photo::photoDatFile(folder)) {
    catalogue.loadFile(*file, folder);
  } else {
    catalogue.scan(folder);
  }
  // The search box hands the word modes its text with a blank appended.
  std::string query = utf8ToCp1251(queryArg);
  if (mode != photo::PhotoSearchMode::AsIs) query += ' ';
  for (const std::string& path : catalogue.search(query, mode)) JsonLine(out).string("path", cp1251ToUtf8(path));
  return 0;
}

int runPhotoInfo(const Args& args, std::ostream& out) {
  std::string file;
  CommandParser parser("photo-info");
  parser.app().add_option("FILE", file)->required();
  parser.parse(args);
  const std::string path = utf8ToCp1251(file);
  // The window shows "н/д" for a picture it cannot read; a file that is not
  // there at all is the caller's mistake and not a picture without a size.
  std::error_code error;
  const auto kind = fs::status(photo::fsPath(path), error).type();
  if (kind == fs::file_type::not_found) throw std::runtime_error("File " + file + " could not be found");
  if (kind != fs::file_type::regular) throw std::runtime_error("File " + file + " is not a regular file");
  const photo::PictureHeader header = photo::readPictureHeader(path);
  JsonLine(out)
      .string("size", cp1251ToUtf8(photo::sizePanelText(header.size.width, header.size.height, header.density)))
      .string("file_size", cp1251ToUtf8(archive::fileSizeText(photo::fsPath(path))))
      .string("tooltip", cp1251ToUtf8(photo::tooltipText(path)));
  return 0;
}

}  // namespace kestrin::cli
