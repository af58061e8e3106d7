#include "photo/jfif_density.h"

#include <fstream>

#include "photo/photo_paths.h"

namespace kestrin::photo {
namespace {

constexpr std::size_t kHeadBytes = 50;

int bigEndian16(std::string_view bytes, std::size_t at) {
  return (static_cast<unsigned char>(bytes[at]) << 8) | static_cast<unsigned char>(bytes[at + 1]);
}

int normalisedAxis(int density) { return density == 0 || density == 96 || density < 75 ? 300 : density; }

}  // namespace

JfifDensity jfifDensityIn(std::string_view head) {
  head = head.substr(0, kHeadBytes);
  const std::size_t p = head.find("JFIF");
  JfifDensity density;
  if (p == std::string_view::npos || p + 12 > head.size()) return density;
  density.unit = static_cast<unsigned char>(head[p + 7]);
  density.horizontal = bigEndian16(head, p + 8);
  density.vertical = bigEndian16(head, p + 10);
  return density;
}

JfifDensity readJfifDensity(const std::string& path) {
  std::ifstream in(fsPath(path), std::ios::binary);
  char head[kHeadBytes];
  in.read(head, kHeadBytes);
  return jfifDensityIn(std::string_view(head, static_cast<std::size_t>(in.gcount())));
}

JfifDensity normalisedDensity(JfifDensity density) {
  if (density.unit == 0 || density.unit > 2) density.unit = 1;
  density.horizontal = normalisedAxis(density.horizontal);
  density.vertical = normalisedAxis(density.vertical);
  return density;
}

}  // namespace kestrin::photo
