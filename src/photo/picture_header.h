// The facts of a photo file the status bar shows before any decoding: the
// picture's size from its JPEG header and the normalised JFIF densities.
#pragma once

#include <string>

#include "photo/jfif_density.h"
#include "photo/jpeg_decoder.h"

namespace kestrin::photo {

struct PictureHeader {
  JpegSize size;        // 0 × 0 when the file is no readable JPEG
  JfifDensity density;  // normalised
};

// Reads the whole file; also returns its bytes for the decoder in `bytes`
// when that is not null. Never throws for a missing or damaged file.
PictureHeader readPictureHeader(const std::string& path, std::string* bytes = nullptr);

// Reads the whole file at `path` (Windows-1251); false when it cannot.
bool readFileBytes(const std::string& path, std::string& bytes);

}  // namespace kestrin::photo
