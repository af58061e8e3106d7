// The resolution a scan declares in its JFIF header (the APP0 segment): the
// density unit and the two densities, looked for in the first 50 bytes of
// the file, and the normalisation the status bar applies to them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin::photo {

struct JfifDensity {
  int unit = 1;  // 0 aspect ratio only, 1 dots per inch, 2 dots per centimetre
  int horizontal = 300;
  int vertical = 300;
  bool operator==(const JfifDensity&) const = default;
};

// The densities in `head` (the file's first bytes): after "JFIF" at offset
// p, the unit at p + 7 and the densities big-endian at p + 8 and p + 10. No
// "JFIF" in the first 50 bytes, or a header cut short: the defaults.
JfifDensity jfifDensityIn(std::string_view head);

// The same from the file at `path` (Windows-1251); the defaults when it
// cannot be read.
JfifDensity readJfifDensity(const std::string& path);

// A unit of 0 or above 2 counts as dots per inch; a density of 0, of 96
// (what programs write when they know nothing) or below 75 as 300.
JfifDensity normalisedDensity(JfifDensity density);

}  // namespace kestrin::photo
