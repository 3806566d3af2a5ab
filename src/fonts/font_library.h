// The TrueType fonts of one run: the faces it opened, each once, and the installed fonts it
// may look through. Nothing is started before a text needs it: FreeType on the first face
// opened, fontconfig on the first font looked for.
#pragma once

#include <memory>
#include <vector>

#include "fonts/font_api.h"
#include "fonts/font_face.h"
#include "fonts/font_finder.h"

namespace corvane {

class FontLibrary {
 public:
  FontLibrary() = default;
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // The face of the file, opened on first asking. None when it cannot be opened (error is then
  // the system's error number) or holds no face with TrueType outlines (error 0).
  const FontFace* Open(const FontFile& file, int& error);

  FontFinder& finder() { return finder_; }

 private:
  FontApi api_;  // first made, last gone
  FT_LibraryRec_* freeType_ = nullptr;
  std::vector<std::unique_ptr<FontFace>> faces_;
  std::vector<FontFile> failed_;
  FontFinder finder_{api_};
};

}  // namespace corvane
