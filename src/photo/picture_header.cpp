#include "photo/picture_header.h"

#include <fstream>
#include <sstream>

#include "photo/photo_paths.h"

namespace kestrin::photo {

bool readFileBytes(const std::string& path, std::string& bytes) {
  std::ifstream in(fsPath(path), std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return false;
  bytes = std::move(content).str();
  return true;
}

PictureHeader readPictureHeader(const std::string& path, std::string* bytes) {
  std::string own;
  std::string& content = bytes ? *bytes : own;
  content.clear();
  PictureHeader header;
  if (!readFileBytes(path, content)) {
    header.density = normalisedDensity(header.density);
    return header;
  }
  header.density = normalisedDensity(jfifDensityIn(content));
  const JpegDecodeResult read = readJpegHeader(content);
  if (read.ok) header.size = read.full;
  return header;
}

}  // namespace kestrin::photo
