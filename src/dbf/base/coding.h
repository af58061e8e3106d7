// Byte-order helpers for the on-disk formats. DBF headers are little-endian,
// FPT headers and CDX node entries big-endian. Callers guarantee that the bytes
// they pass are in bounds.
#pragma once

#include <cstdint>
#include <cstring>

namespace kestrin::dbf {

inline std::uint16_t decodeLE16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

inline std::uint32_t decodeLE32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::uint64_t decodeLE64(const unsigned char* p) {
  return static_cast<std::uint64_t>(decodeLE32(p)) | (static_cast<std::uint64_t>(decodeLE32(p + 4)) << 32);
}

inline std::uint16_t decodeBE16(const unsigned char* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

inline std::uint32_t decodeBE32(const unsigned char* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

inline double decodeLEDouble(const unsigned char* p) {
  const std::uint64_t bits = decodeLE64(p);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void encodeLE16(unsigned char* p, std::uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

inline void encodeLE32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

inline void encodeLE64(unsigned char* p, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

inline void encodeBE16(unsigned char* p, std::uint16_t v) {
  p[0] = static_cast<unsigned char>(v >> 8);
  p[1] = static_cast<unsigned char>(v);
}

inline void encodeBE32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (24 - 8 * i));
}

inline void encodeLEDouble(unsigned char* p, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  encodeLE64(p, bits);
}

}  // namespace kestrin::dbf
