// A TrueType face, read with FreeType: which characters it has, the advance of each glyph,
// its ascent and descent, and whether its licence lets a document embed it. A face is known by
// its file and its index in the file, from which any surface can draw it (the PDF page embeds
// a subset of the file; cairo opens the same file).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace corvane {

struct FontApi;

struct FontFile {
  std::string path;
  int index = 0;  // the face's place in a collection (.ttc); 0 for a single font

  bool operator==(const FontFile&) const = default;
};

class FontFace {
 public:
  // Opens the face with TrueType outlines at the file's index. None when the file cannot be
  // opened (error is then the system's error number) or holds no such face (error 0).
  static std::unique_ptr<FontFace> Open(const FontApi& api, FT_LibraryRec_* library, const FontFile& file,
                                        int& error);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FontFile& file() const { return file_; }
  const FontApi& api() const { return api_; }
  const std::string& postScriptName() const { return postScriptName_; }

  // The glyph of the character, 0 (the missing-glyph box) when the face has none.
  unsigned GlyphFor(char32_t codePoint) const;
  bool Has(char32_t codePoint) const { return GlyphFor(codePoint) != 0; }
  // The glyph's advance in thousandths of the size, rounded to whole units as a PDF font's
  // widths are written, so a text measures exactly as a reader lays it out.
  int Advance(unsigned glyph) const;
  // The advance of the whole text (UTF-8) at the size in points.
  double Width(std::string_view text, double size) const;

  // In thousandths of the size; the descent is negative below the baseline.
  int ascent() const { return ascent_; }
  int descent() const { return descent_; }
  int capHeight() const { return capHeight_; }
  const int* box() const { return box_; }  // left, bottom, right, top
  int italicAngle() const { return italicAngle_; }
  bool fixedPitch() const { return fixedPitch_; }
  // Whether the licence bits (OS/2 fsType) let a document embed a subset of the outlines.
  bool embeddable() const { return embeddable_; }

 private:
  FontFace(const FontApi& api, FT_FaceRec_* face, FontFile file);

  const FontApi& api_;
  FT_FaceRec_* face_;
  FontFile file_;
  std::string postScriptName_;
  int unitsPerEm_ = 1000;
  int ascent_ = 0;
  int descent_ = 0;
  int capHeight_ = 0;
  int box_[4] = {0, 0, 0, 0};
  int italicAngle_ = 0;
  bool fixedPitch_ = false;
  bool embeddable_ = false;
  mutable std::unordered_map<unsigned, int> advances_;
};

}  // namespace corvane
