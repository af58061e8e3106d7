// JPEG decoding with libjpeg in its fastest settings (fast integer DCT, no
// fancy upsampling, no block smoothing), optionally at 1/2, 1/4 or 1/8 of
// the full size through the DCT scaling, into 32-bit pixels laid out as
// blue, green, red, unused byte (QImage::Format_RGB32 on little-endian
// machines). A damaged or truncated file gives an error text, never a crash
// or an exit: libjpeg's fatal errors come back to the decoder, not to exit().
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kestrin::photo {

struct JpegSize {
  int width = 0;
  int height = 0;
};

struct JpegDecodeResult {
  bool ok = false;
  bool cancelled = false;
  std::string error;  // libjpeg's message when neither ok nor cancelled
  JpegSize full;      // the picture's own size, once the header was read
  JpegSize decoded;   // the size of the pixels delivered
};

struct JpegDecodeTarget {
  // Returns the buffer for `size` pixels with `stride` bytes per row, or
  // nullptr when it cannot be had; called once the header is read.
  std::function<unsigned char*(JpegSize size, std::size_t stride)> allocate;
  // Told the percentage of rows decoded; returning false stops the decode
  // (cancelled). May be empty.
  std::function<bool(int percent)> progress;
};

// The largest of 1, 2, 4, 8 by which the picture can be divided and still
// fill an area that shows it at `zoom` (1.0 = 100 %).
int dctScaleDenominator(double zoom);

// Decodes `bytes` (a whole JPEG file) at 1/`denominator` of its size.
JpegDecodeResult decodeJpeg(const std::string& bytes, int denominator, const JpegDecodeTarget& target);

// Reads the header of `bytes` only: the picture size, or nullopt-like zero
// size with `error` set.
JpegDecodeResult readJpegHeader(const std::string& bytes);

}  // namespace kestrin::photo
