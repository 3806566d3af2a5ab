#include "fonts/font_library.h"

#include <algorithm>

namespace corvane {

FontLibrary::~FontLibrary() {
  faces_.clear();
  if (freeType_ != nullptr) api_.FT_Done_FreeType(freeType_);
}

const FontFace* FontLibrary::Open(const FontFile& file, int& error) {
  error = 0;
  for (const auto& face : faces_) {
    if (face->file() == file) return face.get();
  }
  if (std::find(failed_.begin(), failed_.end(), file) != failed_.end()) return nullptr;
  if (freeType_ == nullptr && (!api_.Load() || api_.FT_Init_FreeType(&freeType_) != 0)) {
    freeType_ = nullptr;
    return nullptr;
  }
  auto face = FontFace::Open(api_, freeType_, file, error);
  if (!face) {
    // A file that is missing now may be there at the next -Font; only a damaged one is kept.
    if (error == 0) failed_.push_back(file);
    return nullptr;
  }
  faces_.push_back(std::move(face));
  return faces_.back().get();
}

}  // namespace corvane
