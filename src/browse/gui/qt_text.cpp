#include "browse/gui/qt_text.h"

#include <array>

#include "text/cp1251_utf8.h"

namespace kestrin::browse {

namespace {

// Grid cells convert on every paint: one table look-up per byte.
const std::array<char16_t, 256>& unicodeTable() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const std::string one(1, static_cast<char>(i));
      const QString s = QString::fromUtf8(text::cp1251ToUtf8(one));
      t[static_cast<std::size_t>(i)] = s.isEmpty() ? u'?' : s.at(0).unicode();
    }
    return t;
  }();
  return table;
}

}  // namespace

QString fromCp1251(std::string_view text) {
  const auto& table = unicodeTable();
  QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* data = out.data();
  for (std::size_t i = 0; i < text.size(); ++i) data[i] = QChar(table[static_cast<unsigned char>(text[i])]);
  return out;
}

std::string toCp1251(const QString& text) { return text::utf8ToCp1251(text.toStdString()); }

}  // namespace kestrin::browse
