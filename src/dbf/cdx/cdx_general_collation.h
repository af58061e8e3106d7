// The "GENERAL" collation of character keys: each byte of Windows-1251 text
// becomes a primary weight (letters of both cases share one, Ё shares Е's),
// followed by the list of secondary weights that tell accented forms apart.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrin::dbf {

// The weights of `text`: one primary weight per byte (two for the letters that
// expand into a pair), then the secondary weights (each with 0xF0 set) without
// trailing 0xF0 bytes. Stored keys of GENERAL tags are twice the text width.
std::string generalCollationKey(std::string_view text);

// The primary weight of one Windows-1251 byte (exposed for tests).
unsigned char generalPrimaryWeight(unsigned char c);

// Stored keys keep secondary weights in their low four bits only; this turns
// the trailing run of bytes 0x00..0x0F of `key` back into 0xF0..0xFF, from the
// end toward the second byte, stopping at the first byte above 0x0F.
void restoreGeneralSecondaries(unsigned char* key, std::size_t length);

}  // namespace kestrin::dbf
