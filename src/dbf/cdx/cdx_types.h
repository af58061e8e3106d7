// Small shared vocabulary of the CDX compound index: block geometry, key kinds
// and collations. Used by the reader in this folder and by the writer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrin::dbf {

// A CDX file is a sequence of 512-byte blocks; nodes and tag headers start on
// a block boundary and a tag header spans two blocks.
inline constexpr std::size_t kCdxBlockSize = 512;
inline constexpr std::size_t kCdxTagHeaderSize = 1024;
inline constexpr std::size_t kCdxMaxKeyLength = 240;

// Offsets of the compact leaf and interior node layouts.
inline constexpr std::size_t kCdxNodeHeaderSize = 12;
inline constexpr std::size_t kCdxLeafHeaderSize = 24;

// Tag header option bits.
inline constexpr std::uint8_t kCdxOptionUnique = 0x01;
inline constexpr std::uint8_t kCdxOptionHasFor = 0x08;
inline constexpr std::uint8_t kCdxOptionCompact = 0x20;
inline constexpr std::uint8_t kCdxOptionCompound = 0x40;
inline constexpr std::uint8_t kCdxOptionDirectory = 0x80;

// What a tag's key expression yields. Numeric and date keys are 8-byte
// transformed doubles (a date as its Julian day number); character keys are text.
enum class CdxKeyType { Character, Numeric, Date };

// "GENERAL" turns character keys into collation weights; every other name
// (including "MACHINE") compares the raw bytes.
enum class CdxCollation { Machine, General };

}  // namespace kestrin::dbf
