// Small JPEG pictures for the demo photo folder, written through libjpeg's
// compressor: varied sizes, colour or grey, and a JFIF header with one of the
// density units, or none at all, as scanners and cameras leave them.
#pragma once

#include <cstdint>
#include <string>

#include "demo/demo_random.h"

namespace kestrin::demo {

struct JpegParams {
  int width = 64;
  int height = 48;
  bool grey = false;
  int quality = 75;
  bool jfif = true;     // write the JFIF APP0 marker
  int densityUnit = 1;  // 0 aspect ratio only, 1 dots per inch, 2 dots per centimetre
  int xDensity = 72;
  int yDensity = 72;
};

// A picture to encode: `width` × `height` pixels, 3 bytes each (1 when grey).
struct Picture {
  int width = 0;
  int height = 0;
  bool grey = false;
  std::string pixels;
};

// A varied JpegParams: sizes from thumbnails to a few hundred pixels.
JpegParams randomJpegParams(DemoRandom& random);

// A simple scene in the picture's size: a sky-and-ground gradient with a few
// blocks, so that the JPEGs look like something and compress like photos.
Picture demoPicture(const JpegParams& params, DemoRandom& random);

// The JPEG file bytes of `picture` written as `params` says. Throws
// std::runtime_error with libjpeg's message when the compressor fails.
std::string encodeJpeg(const Picture& picture, const JpegParams& params);

}  // namespace kestrin::demo
