#include "fonts/font_subset.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

namespace corvane {
namespace {

// The font file, mapped: a collection of many megabytes is read only where its tables are.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    if (fstat(fd, &info) == 0 && info.st_size > 0) {
      void* data = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
      if (data != MAP_FAILED) {
        data_ = static_cast<const unsigned char*>(data);
        size_ = static_cast<std::size_t>(info.st_size);
      }
    }
    close(fd);
  }
  ~MappedFile() {
    if (data_ != nullptr) munmap(const_cast<unsigned char*>(data_), size_);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // The bytes at offset..offset+length, empty when they lie outside the file.
  std::string_view At(std::size_t offset, std::size_t length) const {
    if (data_ == nullptr || offset > size_ || length > size_ - offset) return {};
    return {reinterpret_cast<const char*>(data_) + offset, length};
  }

 private:
  const unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
};

std::uint32_t U16(std::string_view b, std::size_t at) {
  if (at + 2 > b.size()) return 0;
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]) << 8 | static_cast<unsigned char>(b[at + 1]));
}

std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) << 16 | U16(b, at + 2); }

void Put16(std::string& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<char>(value >> 8);
  out[at + 1] = static_cast<char>(value);
}

void Put32(std::string& out, std::size_t at, std::uint32_t value) {
  Put16(out, at, value >> 16);
  Put16(out, at + 2, value & 0xFFFF);
}

void Append32(std::string& out, std::uint32_t value) {
  out.append(4, '\0');
  Put32(out, out.size() - 4, value);
}

std::uint32_t CheckSum(std::string_view table) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < table.size(); i += 4) {
    std::uint32_t word = 0;
    for (std::size_t k = 0; k < 4; ++k) word = word << 8 | (i + k < table.size() ? static_cast<unsigned char>(table[i + k]) : 0);
    sum += word;
  }
  return sum;
}

// The glyphs a composite glyph is built of.
void AddComponents(std::string_view glyph, std::vector<unsigned>& pending) {
  if (glyph.size() < 10 || static_cast<std::int16_t>(U16(glyph, 0)) >= 0) return;
  constexpr std::uint32_t kWords = 0x0001, kScale = 0x0008, kMore = 0x0020, kXYScale = 0x0040, kTwoByTwo = 0x0080;
  std::size_t at = 10;
  for (;;) {
    const std::uint32_t flags = U16(glyph, at);
    pending.push_back(U16(glyph, at + 2));
    at += 4 + ((flags & kWords) ? 4 : 2);
    if (flags & kScale) at += 2;
    if (flags & kXYScale) at += 4;
    if (flags & kTwoByTwo) at += 8;
    if (!(flags & kMore) || at >= glyph.size()) return;
  }
}

}  // namespace

std::string SubsetFont(const FontFace& face, const std::set<unsigned>& glyphs) {
  const MappedFile file(face.file().path);
  // A collection starts with its faces' offsets; a single font is its own face 0.
  std::size_t start = 0;
  const std::string_view header = file.At(0, 12);
  if (header.substr(0, 4) == "ttcf") {
    const auto count = static_cast<int>(U32(header, 8));
    if (face.file().index >= count) return {};
    start = U32(file.At(12 + 4 * static_cast<std::size_t>(face.file().index), 4), 0);
  }
  const std::string_view offsets = file.At(start, 12);
  const std::size_t tableCount = U16(offsets, 4);
  const std::string_view directory = file.At(start + 12, 16 * tableCount);
  if (offsets.empty() || directory.empty()) return {};
  std::map<std::string, std::string_view> tables;
  for (std::size_t i = 0; i < tableCount; ++i) {
    const std::string_view entry = directory.substr(16 * i, 16);
    tables[std::string(entry.substr(0, 4))] = file.At(U32(entry, 8), U32(entry, 12));
  }
  for (const char* required : {"head", "hhea", "maxp", "hmtx", "loca", "glyf"}) {
    if (tables[required].empty()) return {};
  }
  const std::string_view head = tables["head"], hhea = tables["hhea"], maxp = tables["maxp"];
  const std::string_view loca = tables["loca"], glyf = tables["glyf"], hmtx = tables["hmtx"];
  const std::uint32_t glyphCount = U16(maxp, 4);
  const bool longLoca = U16(head, 50) == 1;
  auto glyphAt = [&](unsigned g) -> std::string_view {
    if (g >= glyphCount) return {};
    const std::uint32_t from = longLoca ? U32(loca, 4 * g) : 2 * U16(loca, 2 * g);
    const std::uint32_t to = longLoca ? U32(loca, 4 * g + 4) : 2 * U16(loca, 2 * g + 2);
    if (to < from || to > glyf.size()) return {};
    return glyf.substr(from, to - from);
  };

  // The glyphs drawn, the missing-glyph box and every glyph a composite one is built of.
  std::set<unsigned> kept;
  std::vector<unsigned> pending(glyphs.begin(), glyphs.end());
  pending.push_back(0);
  while (!pending.empty()) {
    const unsigned g = pending.back();
    pending.pop_back();
    if (g >= glyphCount || !kept.insert(g).second) continue;
    AddComponents(glyphAt(g), pending);
  }
  // Glyph numbers stay as they are: the subset holds every glyph up to the last one kept, the
  // others empty.
  const std::uint32_t count = *kept.rbegin() + 1;
  std::string newGlyf;
  std::string newLoca;
  for (unsigned g = 0; g < count; ++g) {
    Append32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
    if (!kept.count(g)) continue;
    newGlyf += glyphAt(g);
    newGlyf.append((4 - newGlyf.size() % 4) % 4, '\0');
  }
  Append32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));

  const std::uint32_t metrics = std::min(U16(hhea, 34), count);
  std::string newHmtx(hmtx.substr(0, 4 * static_cast<std::size_t>(metrics)));
  newHmtx += hmtx.substr(4 * static_cast<std::size_t>(U16(hhea, 34)), 2 * static_cast<std::size_t>(count - metrics));
  newHmtx.resize(4 * metrics + 2 * (count - metrics), '\0');
  std::string newHead(head), newHhea(hhea), newMaxp(maxp);
  if (newHead.size() < 54 || newHhea.size() < 36 || newMaxp.size() < 6) return {};
  Put32(newHead, 8, 0);  // checkSumAdjustment, set once the file is whole
  Put16(newHead, 50, 1);  // long offsets in loca
  Put16(newHhea, 34, metrics);
  Put16(newMaxp, 4, count);

  // The tables a PDF reader draws TrueType glyphs with; the hinting programs are kept, since the
  // glyphs' own instructions call them.
  std::map<std::string, std::string> out = {{"glyf", newGlyf}, {"head", newHead}, {"hhea", newHhea},
                                            {"hmtx", newHmtx}, {"loca", newLoca}, {"maxp", newMaxp}};
  for (const char* copied : {"cvt ", "fpgm", "prep", "OS/2"}) {
    if (!tables[copied].empty()) out[copied] = std::string(tables[copied]);
  }
  const auto n = static_cast<std::uint32_t>(out.size());
  std::uint32_t power = 1, log2 = 0;
  while (power * 2 <= n) power *= 2, ++log2;
  std::string font;
  Append32(font, 0x00010000);
  font.append(8, '\0');
  Put16(font, 4, n);
  Put16(font, 6, power * 16);
  Put16(font, 8, log2);
  Put16(font, 10, n * 16 - power * 16);
  std::size_t at = 12 + 16 * out.size();
  std::size_t headAt = 0;
  for (const auto& [tag, table] : out) {  // a map keeps the tags in the order the directory wants
    font += tag;
    Append32(font, CheckSum(table));
    Append32(font, static_cast<std::uint32_t>(at));
    Append32(font, static_cast<std::uint32_t>(table.size()));
    if (tag == "head") headAt = at;
    at += (table.size() + 3) / 4 * 4;
  }
  for (const auto& entry : out) {
    font += entry.second;
    font.append((4 - font.size() % 4) % 4, '\0');
  }
  Put32(font, headAt + 8, 0xB1B0AFBA - CheckSum(font));
  return font;
}

}  // namespace corvane
