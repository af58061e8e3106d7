#include "demo/demo_jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace kestrin::demo {
namespace {

// libjpeg reports errors through error_exit, which must not return: it jumps
// back to runCompressor, which then reports failure.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onJpegError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

struct Output {
  unsigned char* data = nullptr;
  unsigned long size = 0;
};

// Kept apart from encodeJpeg so that no C++ object lives across the jump.
bool runCompressor(jpeg_compress_struct* info, ErrorManager* errors, const Picture* picture, const JpegParams* params,
                   Output* out) {
  if (setjmp(errors->jump)) return false;
  jpeg_CreateCompress(info, JPEG_LIB_VERSION, sizeof(jpeg_compress_struct));
  jpeg_mem_dest(info, &out->data, &out->size);
  info->image_width = static_cast<JDIMENSION>(picture->width);
  info->image_height = static_cast<JDIMENSION>(picture->height);
  info->input_components = picture->grey ? 1 : 3;
  info->in_color_space = picture->grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, params->quality, TRUE);
  info->dct_method = JDCT_ISLOW;  // the same bytes on every machine
  info->write_JFIF_header = params->jfif ? TRUE : FALSE;
  info->density_unit = static_cast<UINT8>(params->densityUnit);
  info->X_density = static_cast<UINT16>(params->xDensity);
  info->Y_density = static_cast<UINT16>(params->yDensity);
  jpeg_start_compress(info, TRUE);
  const auto stride = static_cast<std::size_t>(picture->width) * (picture->grey ? 1u : 3u);
  while (info->next_scanline < info->image_height) {
    auto* row = reinterpret_cast<JSAMPROW>(const_cast<char*>(picture->pixels.data()) + info->next_scanline * stride);
    jpeg_write_scanlines(info, &row, 1);
  }
  jpeg_finish_compress(info);
  return true;
}

unsigned char clampByte(int v) { return static_cast<unsigned char>(v < 0 ? 0 : v > 255 ? 255 : v); }

}  // namespace

JpegParams randomJpegParams(DemoRandom& random) {
  JpegParams params;
  const bool portrait = random.chance(30);
  const int longSide = random.between(48, 480);
  const int shortSide = longSide * random.between(55, 85) / 100;
  params.width = portrait ? shortSide : longSide;
  params.height = portrait ? longSide : shortSide;
  params.grey = random.chance(35);
  params.quality = random.between(55, 92);
  params.jfif = !random.chance(15);
  const int unit = random.between(1, 10);
  if (unit <= 6) {
    static constexpr int kDpi[] = {72, 96, 150, 200, 300, 600};
    params.densityUnit = 1;
    params.xDensity = kDpi[random.between(0, 5)];
    params.yDensity = random.chance(90) ? params.xDensity : params.xDensity * 2;
  } else if (unit <= 8) {
    static constexpr int kDpcm[] = {28, 59, 118};
    params.densityUnit = 2;
    params.xDensity = params.yDensity = kDpcm[random.between(0, 2)];
  } else {
    params.densityUnit = 0;  // an aspect ratio only
    params.xDensity = 1;
    params.yDensity = random.chance(70) ? 1 : 2;
  }
  return params;
}

Picture demoPicture(const JpegParams& params, DemoRandom& random) {
  Picture p;
  p.width = params.width;
  p.height = params.height;
  p.grey = params.grey;
  const int channels = p.grey ? 1 : 3;
  p.pixels.resize(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) *
                  static_cast<std::size_t>(channels));
  const int horizon = p.height * random.between(35, 65) / 100;
  const int tint = random.between(-30, 30);
  struct Block {
    int x0, y0, x1, y1, shade;
  };
  Block blocks[4];
  for (Block& b : blocks) {
    b.x0 = random.between(0, p.width - 1);
    b.x1 = std::min(p.width, b.x0 + random.between(4, std::max(5, p.width / 3)));
    b.y1 = horizon + random.between(0, std::max(1, p.height - horizon - 1));
    b.y0 = std::max(0, b.y1 - random.between(4, std::max(5, p.height / 2)));
    b.shade = random.between(30, 200);
  }
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      int r, g, b;
      if (y < horizon) {  // sky
        r = 150 + 80 * y / std::max(1, horizon) + tint;
        g = 170 + 70 * y / std::max(1, horizon);
        b = 235 - tint;
      } else {  // ground
        r = 110 + 40 * (y - horizon) / std::max(1, p.height - horizon) + tint;
        g = 120 - 30 * x / std::max(1, p.width);
        b = 70;
      }
      for (const Block& bl : blocks) {
        if (x >= bl.x0 && x < bl.x1 && y >= bl.y0 && y < bl.y1) r = g = b = bl.shade + ((x + y) % 7);
      }
      const std::size_t at =
          (static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) + static_cast<std::size_t>(x)) *
          static_cast<std::size_t>(channels);
      if (p.grey) {
        p.pixels[at] = static_cast<char>(clampByte((r * 30 + g * 59 + b * 11) / 100));
      } else {
        p.pixels[at] = static_cast<char>(clampByte(r));
        p.pixels[at + 1] = static_cast<char>(clampByte(g));
        p.pixels[at + 2] = static_cast<char>(clampByte(b));
      }
    }
  }
  return p;
}

std::string encodeJpeg(const Picture& picture, const JpegParams& params) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) *
                                   (picture.grey ? 1u : 3u)) {
    throw std::invalid_argument("JPEG picture with a wrong pixel count");
  }
  jpeg_compress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = onJpegError;
  Output out;
  const bool ok = runCompressor(&info, &errors, &picture, &params, &out);
  jpeg_destroy_compress(&info);
  std::string bytes;
  if (ok) bytes.assign(reinterpret_cast<const char*>(out.data), out.size);
  std::free(out.data);
  if (!ok) throw std::runtime_error(std::string("JPEG compression failed: ") + errors.message);
  return bytes;
}

}  // namespace kestrin::demo
