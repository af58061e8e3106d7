#include "tools/damaged_copies.h"

#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kestrin::damage {
namespace fs = std::filesystem;
namespace {

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Applies `edit` to the bytes of one file of the base.
void edit(const fs::path& base, const std::string& file, const std::function<void(std::string&)>& change) {
  std::string bytes = readBytes(base / file);
  change(bytes);
  writeBytes(base / file, bytes);
}

std::uint32_t le16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t le32(const std::string& b, std::size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }
std::uint32_t be16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) << 8 | static_cast<unsigned char>(b[at + 1]);
}
std::uint32_t be32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
  return v;
}
void putLE16(std::string& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
void putLE32(std::string& b, std::size_t at, std::uint32_t v) {
  putLE16(b, at, v & 0xFFFF);
  putLE16(b, at + 2, v >> 16);
}

std::size_t headerLength(const std::string& dbf) { return le16(dbf, 8); }
std::size_t recordLength(const std::string& dbf) { return le16(dbf, 10); }

// Offset of a field in the record and of its descriptor, by name.
struct FieldAt {
  std::size_t offset = 1;
  std::size_t descriptor = 0;
};
FieldAt fieldAt(const std::string& dbf, const std::string& name) {
  FieldAt at;
  for (std::size_t d = 32; d + 32 <= headerLength(dbf) && dbf[d] != '\r'; d += 32) {
    const std::string stored = dbf.substr(d, 11).c_str();
    if (stored == name) {
      at.descriptor = d;
      return at;
    }
    at.offset += static_cast<unsigned char>(dbf[d + 16]) +
                 (dbf[d + 11] == 'C' ? 256u * static_cast<unsigned char>(dbf[d + 17]) : 0u);
  }
  throw std::runtime_error("no field " + name);
}

// The first record whose memo field `name` holds a block number: its field bytes.
std::size_t firstMemoPointer(const std::string& dbf, const std::string& name) {
  const FieldAt field = fieldAt(dbf, name);
  for (std::size_t r = headerLength(dbf); r + recordLength(dbf) <= dbf.size(); r += recordLength(dbf)) {
    if (dbf.substr(r + field.offset, 10).find_first_not_of(' ') != std::string::npos) return r + field.offset;
  }
  throw std::runtime_error("no memo in field " + name);
}

// The header of the tag whose key expression is `expression`: its root pointer.
std::size_t tagHeaderOf(const std::string& cdx, const std::string& expression) {
  for (std::size_t at = 512; at + 1024 <= cdx.size(); at += 512) {
    if (cdx.compare(at + 512, expression.size() + 1, expression.c_str(), expression.size() + 1) == 0) return at;
  }
  throw std::runtime_error("no tag " + expression);
}

void truncateTo(const fs::path& path, std::uintmax_t size) { fs::resize_file(path, size); }

// The file-level cases: what stands where the file should be.
void replaceWithFolder(const fs::path& path) {
  fs::remove(path);
  fs::create_directory(path);
}

void replaceWithFifo(const fs::path& path) {
  fs::remove(path);
  if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("cannot make a FIFO at " + path.string());
}

std::vector<DamagedCopy> makeCases() {
  const std::vector<std::string> countDelo = {"count", "{base}/DELO.DBF"};
  const std::vector<std::string> countDeloByTag = {"count",           "{base}/DELO.DBF", "--index",
                                                   "{base}/DELO.CDX", "--tag",           "DELO"};
  const std::vector<std::string> countFondByTag = {"count",           "{base}/FOND.DBF", "--index",
                                                   "{base}/FOND.CDX", "--tag",           "FKOD"};
  const std::vector<std::string> deloColumns = {"columns", "{base}", "2"};
  const std::vector<std::string> dumpDelo = {"dump", "{base}/DELO.DBF", "--with-deleted"};
  using E = Expect;
  std::vector<DamagedCopy> cases;
  auto add = [&](std::string name, std::string file, std::function<void(const fs::path&)> damage,
                 std::vector<std::string> command, Expect expect, std::vector<std::string> reference = {}) {
    cases.push_back(
        {std::move(name), std::move(file), std::move(damage), std::move(command), expect, std::move(reference)});
  };

  // Tables cut short: an index that names records past the end lists the rest.
  add("fond_cut_mid_table", "FOND.DBF",
      [](const fs::path& b) {
        const std::string fond = readBytes(b / "FOND.DBF");
        truncateTo(b / "FOND.DBF", headerLength(fond) + recordLength(fond) * 9 + recordLength(fond) / 2);
      },
      countFondByTag, E::SameAsReference, {"count", "{base}/FOND.DBF"});
  add(
      "delo_cut_in_last_record", "DELO.DBF",
      [](const fs::path& b) { truncateTo(b / "DELO.DBF", fs::file_size(b / "DELO.DBF") - 3); }, countDeloByTag,
      E::SameAsReference, countDelo);

  // Header and record lengths that do not fit the descriptors.
  add(
      "delo_header_length_plus_one", "DELO.DBF",
      [](const fs::path& b) { edit(b, "DELO.DBF", [](std::string& d) { putLE16(d, 8, le16(d, 8) + 1); }); }, countDelo,
      E::ErrorNamingTheFile);
  add(
      "delo_header_length_minus_one", "DELO.DBF",
      [](const fs::path& b) { edit(b, "DELO.DBF", [](std::string& d) { putLE16(d, 8, le16(d, 8) - 1); }); }, countDelo,
      E::ErrorNamingTheFile);
  add(
      "delo_record_length_plus_one", "DELO.DBF",
      [](const fs::path& b) { edit(b, "DELO.DBF", [](std::string& d) { putLE16(d, 10, le16(d, 10) + 1); }); },
      countDelo, E::ErrorNamingTheFile);
  add(
      "delo_field_of_length_zero", "DELO.DBF",
      [](const fs::path& b) { edit(b, "DELO.DBF", [](std::string& d) { d[fieldAt(d, "L3").descriptor + 16] = 0; }); },
      deloColumns, E::ErrorNamingTheFile);
  add(
      "delo_version_byte", "DELO.DBF",
      [](const fs::path& b) { edit(b, "DELO.DBF", [](std::string& d) { d[0] = '\x8C'; }); }, countDelo,
      E::ErrorNamingTheFile);

  // A zero-filled tail: room reserved, no records.
  add(
      "delo_zero_tail", "DELO.DBF",
      [](const fs::path& b) { truncateTo(b / "DELO.DBF", fs::file_size(b / "DELO.DBF") + (1 << 20)); }, dumpDelo,
      E::SameAsIntact);

  // Something other than a file in the table's place.
  add(
      "delo_is_a_folder", "DELO.DBF", [](const fs::path& b) { replaceWithFolder(b / "DELO.DBF"); }, countDelo,
      E::ErrorNamingTheFile);
  add(
      "delo_is_a_fifo", "DELO.DBF", [](const fs::path& b) { replaceWithFifo(b / "DELO.DBF"); }, countDelo,
      E::ErrorNamingTheFile);

  // Index trees that do not match their table.
  add(
      "delo_cdx_short", "DELO.CDX", [](const fs::path& b) { truncateTo(b / "DELO.CDX", 512); }, countDeloByTag,
      E::ErrorNamingTheFile);
  add(
      "delo_cdx_root_without_keys", "DELO.CDX",
      [](const fs::path& b) {
        edit(b, "DELO.CDX", [](std::string& c) { putLE16(c, le32(c, tagHeaderOf(c, "OPIS+L1")) + 2, 0); });
      },
      countDeloByTag, E::ErrorNamingTheFile);
  add(
      "delo_cdx_root_at_its_tag_header", "DELO.CDX",
      [](const fs::path& b) {
        edit(b, "DELO.CDX", [](std::string& c) {
          const std::size_t header = tagHeaderOf(c, "OPIS+L1");
          putLE32(c, header, static_cast<std::uint32_t>(header));
        });
      },
      countDeloByTag, E::ErrorNamingTheFile);
  add(
      "delo_cdx_root_at_a_leaf", "DELO.CDX",
      [](const fs::path& b) {
        edit(b, "DELO.CDX", [](std::string& c) {
          const std::size_t header = tagHeaderOf(c, "OPIS+L1");
          const std::size_t root = le32(c, header);
          if (le16(c, root) != 1) throw std::runtime_error("the DELO tag's root is no interior node");
          putLE32(c, header, be32(c, root + 12 + 17 + 4));  // the first entry's child
        });
      },
      countDeloByTag, E::ErrorNamingTheFile);

  // Memo files missing, empty, replaced or damaged; memo pointers that are no numbers.
  add(
      "delo_fpt_missing", "DELO.FPT", [](const fs::path& b) { fs::remove(b / "DELO.FPT"); }, deloColumns,
      E::ErrorNamingTheFile);
  add(
      "delo_fpt_empty", "DELO.FPT", [](const fs::path& b) { truncateTo(b / "DELO.FPT", 0); }, deloColumns,
      E::ErrorNamingTheFile);
  add(
      "delo_fpt_is_a_folder", "DELO.FPT", [](const fs::path& b) { replaceWithFolder(b / "DELO.FPT"); }, deloColumns,
      E::ErrorNamingTheFile);
  add(
      "delo_fpt_block_type", "DELO.FPT",
      [](const fs::path& b) {
        const std::string delo = readBytes(b / "DELO.DBF");
        const std::size_t block = std::stoul(delo.substr(firstMemoPointer(delo, "L5"), 10));
        edit(b, "DELO.FPT", [&](std::string& f) { f[block * be16(f, 6) + 3] = 7; });
      },
      deloColumns, E::ErrorNamingTheFile);
  for (const char* pointer : {"abcdefghij", "        -5", "4294967296"}) {
    const char* kind = pointer[0] == 'a' ? "letters" : pointer[8] == '-' ? "negative" : "too_large";
    std::string name = std::string("delo_memo_pointer_") + kind;
    add(
        std::move(name), "DELO.DBF",
        [pointer](const fs::path& b) {
          edit(b, "DELO.DBF", [&](std::string& d) { d.replace(firstMemoPointer(d, "L5"), 10, pointer); });
        },
        deloColumns, E::ErrorNamingTheFile);
  }

  // A twin of the memo file differing only in case: the archive's own name wins.
  add(
      "delo_fpt_lower_case_twin", "delo.fpt",
      [](const fs::path& b) { writeBytes(b / "delo.fpt", std::string(fs::file_size(b / "DELO.FPT"), 'x')); },
      deloColumns, E::SameAsIntact);
  return cases;
}

}  // namespace

const std::vector<DamagedCopy>& damagedCopies() {
  static const std::vector<DamagedCopy> cases = makeCases();
  return cases;
}

void makeDamagedCopy(const fs::path& intact, const fs::path& target, const DamagedCopy& copy) {
  fs::create_directories(target.parent_path());
  fs::copy(intact, target, fs::copy_options::recursive);
  copy.damage(target);
}

std::vector<std::string> commandFor(const std::vector<std::string>& command, const fs::path& base) {
  std::vector<std::string> out;
  for (std::string arg : command) {
    const std::size_t at = arg.find("{base}");
    if (at != std::string::npos) arg.replace(at, 6, base.string());
    out.push_back(std::move(arg));
  }
  return out;
}

}  // namespace kestrin::damage
