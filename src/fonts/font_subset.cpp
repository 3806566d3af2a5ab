#include "fonts/font_subset.h"

#include <hb-subset.h>

namespace corvane {

std::string SubsetFont(const FontFile& file, const std::set<unsigned>& glyphs) {
  hb_blob_t* blob = hb_blob_create_from_file_or_fail(file.path.c_str());
  if (blob == nullptr) return {};
  hb_face_t* face = hb_face_create(blob, static_cast<unsigned>(file.index));
  hb_blob_destroy(blob);
  std::string out;
  if (hb_subset_input_t* input = hb_subset_input_create_or_fail()) {
    hb_set_t* kept = hb_subset_input_glyph_set(input);
    for (const unsigned glyph : glyphs) hb_set_add(kept, glyph);
    // Glyph numbers stay as they are; the missing-glyph box keeps its outline; hinting, which
    // a page scaled by its reader does not use, and the layout tables are left out.
    hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NOTDEF_OUTLINE |
                                         HB_SUBSET_FLAGS_NO_HINTING);
    hb_set_t* dropped = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* tag : {"GSUB", "GPOS", "GDEF", "morx", "kern", "BASE", "JSTF", "MATH", "DSIG"}) {
      hb_set_add(dropped, hb_tag_from_string(tag, -1));
    }
    if (hb_face_t* subset = hb_subset_or_fail(face, input)) {
      hb_blob_t* data = hb_face_reference_blob(subset);
      unsigned length = 0;
      const char* bytes = hb_blob_get_data(data, &length);
      out.assign(bytes, length);
      hb_blob_destroy(data);
      hb_face_destroy(subset);
    }
    hb_subset_input_destroy(input);
  }
  hb_face_destroy(face);
  return out;
}

}  // namespace corvane
