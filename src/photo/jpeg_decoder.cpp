#include "photo/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace kestrin::photo {
namespace {

// libjpeg's error manager extended by a jump back into decodeWith(): its
// default error_exit would end the program.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool truncated;
};

void errorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  manager->base.format_message(info, manager->message);
  std::longjmp(manager->jump, 1);
}

void emitMessage(j_common_ptr info, int level) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  // A file cut short decodes with grey below the cut; the picture is not
  // what the file should hold, so it counts as damaged.
  if (level < 0 && manager->base.msg_code == JWRN_JPEG_EOF) {
    manager->truncated = true;
    manager->base.format_message(info, manager->message);
  }
  if (level < 0) ++manager->base.num_warnings;
}

// Everything that must survive a jump lives here, outside decodeWith()'s
// own frame, so no local variable is left clobbered.
struct DecodeState {
  const std::string* bytes;
  int denominator;
  bool headerOnly;
  const JpegDecodeTarget* target;
  JpegDecodeResult* result;
  jpeg_decompress_struct info;
  ErrorManager errors;
  unsigned char* pixels;
  std::size_t stride;
  unsigned char* cmykRow;
  bool cmyk;
};

// Adobe's CMYK JPEGs store the inks inverted.
void cmykToBgrx(const unsigned char* cmyk, unsigned char* bgrx, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgrx += 4) {
    const int k = cmyk[3];
    bgrx[0] = static_cast<unsigned char>(cmyk[2] * k / 255);
    bgrx[1] = static_cast<unsigned char>(cmyk[1] * k / 255);
    bgrx[2] = static_cast<unsigned char>(cmyk[0] * k / 255);
    bgrx[3] = 255;
  }
}

bool wantsMore(DecodeState& s) {
  if (!s.target->progress) return true;
  const JDIMENSION height = s.info.output_height ? s.info.output_height : 1;
  return s.target->progress(static_cast<int>(s.info.output_scanline * 100ULL / height));
}

// Holds no C++ objects of its own: a jump out of libjpeg lands in it.
void decodeWith(DecodeState& s) {
  s.info.err = jpeg_std_error(&s.errors.base);
  s.errors.base.error_exit = errorExit;
  s.errors.base.emit_message = emitMessage;
  if (setjmp(s.errors.jump)) {
    jpeg_destroy_decompress(&s.info);
    s.result->ok = false;
    s.result->error = s.errors.message;
    return;
  }
  jpeg_create_decompress(&s.info);
  jpeg_mem_src(&s.info, reinterpret_cast<const unsigned char*>(s.bytes->data()),
               static_cast<unsigned long>(s.bytes->size()));
  jpeg_read_header(&s.info, TRUE);
  s.result->full = {static_cast<int>(s.info.image_width), static_cast<int>(s.info.image_height)};
  if (s.headerOnly) {
    s.result->ok = true;
    jpeg_destroy_decompress(&s.info);
    return;
  }
  s.info.scale_num = 1;
  s.info.scale_denom = static_cast<unsigned int>(s.denominator);
  s.info.dct_method = JDCT_IFAST;
  s.info.do_fancy_upsampling = FALSE;
  s.info.do_block_smoothing = FALSE;
  s.cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
  s.info.out_color_space = s.cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_start_decompress(&s.info);
  s.result->decoded = {static_cast<int>(s.info.output_width), static_cast<int>(s.info.output_height)};
  s.stride = static_cast<std::size_t>(s.info.output_width) * 4;
  s.pixels = s.target->allocate(s.result->decoded, s.stride);
  if (!s.pixels) {
    std::strcpy(s.errors.message, "Not enough memory for the picture");
    jpeg_destroy_decompress(&s.info);
    return;
  }
  while (s.info.output_scanline < s.info.output_height) {
    if (s.errors.truncated) break;
    if (!wantsMore(s)) {
      s.result->cancelled = true;
      jpeg_destroy_decompress(&s.info);
      return;
    }
    unsigned char* row = s.pixels + s.stride * s.info.output_scanline;
    JSAMPROW rows[1] = {s.cmyk ? s.cmykRow : row};
    if (jpeg_read_scanlines(&s.info, rows, 1) != 1) break;
    if (s.cmyk) cmykToBgrx(s.cmykRow, row, s.info.output_width);
  }
  if (s.errors.truncated) {
    jpeg_destroy_decompress(&s.info);
    s.result->error = s.errors.message;
    return;
  }
  jpeg_finish_decompress(&s.info);
  jpeg_destroy_decompress(&s.info);
  if (s.target->progress) s.target->progress(100);
  s.result->ok = true;
}

JpegDecodeResult run(const std::string& bytes, int denominator, bool headerOnly, const JpegDecodeTarget& target,
                     unsigned char* cmykRow) {
  JpegDecodeResult result;
  DecodeState state{};
  state.bytes = &bytes;
  state.denominator = denominator;
  state.headerOnly = headerOnly;
  state.target = &target;
  state.result = &result;
  state.cmykRow = cmykRow;
  decodeWith(state);
  if (!result.ok && !result.cancelled && result.error.empty()) result.error = state.errors.message;
  return result;
}

}  // namespace

int dctScaleDenominator(double zoom) {
  for (const int denominator : {8, 4, 2}) {
    if (zoom * denominator <= 1.0) return denominator;
  }
  return 1;
}

JpegDecodeResult decodeJpeg(const std::string& bytes, int denominator, const JpegDecodeTarget& target) {
  if (denominator != 1 && denominator != 2 && denominator != 4 && denominator != 8) denominator = 1;
  // The CMYK row buffer is sized once the width is known; a 65,535-pixel row
  // is the most a JPEG can hold.
  JpegDecodeResult header = readJpegHeader(bytes);
  if (!header.ok) return header;
  std::string cmykRow(static_cast<std::size_t>(header.full.width) * 4, '\0');
  return run(bytes, denominator, false, target, reinterpret_cast<unsigned char*>(cmykRow.data()));
}

JpegDecodeResult readJpegHeader(const std::string& bytes) {
  const JpegDecodeTarget none;
  return run(bytes, 1, true, none, nullptr);
}

}  // namespace kestrin::photo
