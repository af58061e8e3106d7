// The storage places of fonds: the list file "Hran.txt" of the base folder
// and the cache that the storage column fills from it.
//
// Each line of the file is a fond number as FKOD holds it, a tab and the
// storage place ("12а\tА-3, А-4"); blanks around either part do not count and
// lines without a tab are ignored. A line serves the first fond record that
// asks for its number and is then taken off the list; the place stays cached
// under the record's key, so that record keeps showing it.
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrin::archive {

// The lines of a storage list file as start-up keeps them: split at CR, LF
// and CR LF, sorted without regard to letter case, later lines equal to an
// earlier one without regard to case dropped.
std::vector<std::string> storageListLines(std::string_view fileBytes);

// The storage list of a base folder: "Hran.txt" found without regard to
// letter case; an empty list when the folder has none. Throws
// std::runtime_error naming the file when it exists but cannot be read.
std::vector<std::string> loadStorageList(const std::string& baseFolder);

class StoragePlaces {
 public:
  // Record keys 0..10000 are cached in a table of this size.
  static constexpr int kCacheSize = 10001;

  StoragePlaces() = default;
  // `lines` in list order, as storageListLines gives them.
  explicit StoragePlaces(std::vector<std::string> lines);

  // The storage place of the fond record with key text `kod` and fond number
  // `fkod` (as the cursor reads them). Empty when the key is not a number or
  // when no line of the list has that number. Keys outside the cache table
  // keep their places in a store of their own, so they too show their place
  // on every request, not only on the first.
  std::string placeOf(std::string_view kod, std::string_view fkod) {
    return placeOf(kod, [fkod] { return fkod; });
  }

  // The same with the fond number read by `readFkod()` (anything that turns
  // into a string_view), called only when the cache does not hold the place:
  // the grid reads FKOD only then.
  template <std::invocable ReadFkod>
  std::string placeOf(std::string_view kod, ReadFkod&& readFkod) {
    std::string* slot = slotOf(kod);
    if (!slot) return {};
    // An empty slot holds no text: the list is searched again.
    if (slot->empty()) {
      const auto& fkod = readFkod();
      *slot = takeFromList(std::string_view(fkod));
    }
    return *slot;
  }

 private:
  // The fond number is trimmed of blanks and controls before the look-up.
  std::string takeFromList(std::string_view fkod);
  // The cache slot of key text `kod`; null when the key is not a number.
  std::string* slotOf(std::string_view kod);
  std::string& cacheSlot(int key);

  // Hashing that lets a string_view look up a std::string key.
  struct TransparentHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  // Per line with a tab, in list order: the text after the tab, cut to 1024
  // characters and trimmed.
  std::vector<std::string> places_;
  // Fond number -> positions of its lines not yet taken, in list order.
  std::unordered_map<std::string, std::vector<std::size_t>, TransparentHash, std::equal_to<>> byNumber_;
  std::vector<std::string> cache_;
  std::unordered_map<int, std::string> outsideCache_;
};

}  // namespace kestrin::archive
