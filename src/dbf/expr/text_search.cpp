#include "dbf/expr/text_search.h"

#include <cstddef>

namespace kestrin::dbf {

const FoldTable& identityFold() {
  static const FoldTable table = [] {
    FoldTable t{};
    for (int c = 0; c < 256; ++c) t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    return t;
  }();
  return table;
}

void TextSearcher::prepare(std::string_view needle, const FoldTable& fold) {
  fold_ = &fold;
  needle_.resize(needle.size());
  for (std::size_t i = 0; i < needle.size(); ++i) {
    needle_[i] = static_cast<char>(fold[static_cast<unsigned char>(needle[i])]);
  }
  failureReady_ = false;
  const std::size_t m = needle_.size();
  if (m == 0) return;
  const auto cap = [](std::size_t shift) {
    return static_cast<std::uint8_t>(shift < 255 ? shift : 255);
  };
  skip_.fill(cap(m));
  for (std::size_t i = 0; i + 1 < m; ++i) {
    skip_[static_cast<unsigned char>(needle_[i])] = cap(m - 1 - i);
  }
}

std::size_t TextSearcher::find(std::string_view text) const {
  constexpr std::size_t npos = std::string_view::npos;
  const std::size_t m = needle_.size();
  const std::size_t n = text.size();
  if (m == 0) return 0;
  if (m > n) return npos;
  const FoldTable& fold = *fold_;
  const auto* hay = reinterpret_cast<const unsigned char*>(text.data());
  const auto* pat = reinterpret_cast<const unsigned char*>(needle_.data());
  const unsigned char last = pat[m - 1];
  // Comparisons allowed before the linear search takes over.
  std::size_t budget = 4 * n + 64;
  std::size_t pos = 0;
  while (pos + m <= n) {
    const unsigned char tail = fold[hay[pos + m - 1]];
    if (tail == last) {
      std::size_t k = m - 1;
      while (k > 0 && fold[hay[pos + k - 1]] == pat[k - 1]) --k;
      if (k == 0) return pos;
      const std::size_t spent = m - k;
      if (spent >= budget) {
        const std::size_t found = findByFailureTable(text.substr(pos));
        return found == npos ? npos : pos + found;
      }
      budget -= spent;
    }
    pos += skip_[tail];
  }
  return npos;
}

std::size_t TextSearcher::findByFailureTable(std::string_view text) const {
  const std::size_t m = needle_.size();
  if (!failureReady_) {
    failure_.assign(m, 0);
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < m; ++i) {
      while (k > 0 && needle_[i] != needle_[k]) k = failure_[k - 1];
      if (needle_[i] == needle_[k]) ++k;
      failure_[i] = k;
    }
    failureReady_ = true;
  }
  const FoldTable& fold = *fold_;
  std::size_t k = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = static_cast<char>(fold[static_cast<unsigned char>(text[i])]);
    while (k > 0 && c != needle_[k]) k = failure_[k - 1];
    if (c == needle_[k]) ++k;
    if (k == m) return i + 1 - m;
  }
  return std::string_view::npos;
}

}  // namespace kestrin::dbf
