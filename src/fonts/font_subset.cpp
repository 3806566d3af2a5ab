#include "fonts/font_subset.h"

#include "fonts/font_api.h"

namespace corvane {

std::string SubsetFont(const FontFace& font, const std::set<unsigned>& glyphs) {
  const FontApi& api = font.api();
  const FontFile& file = font.file();
  hb_blob_t* blob = api.hb_blob_create_from_file_or_fail(file.path.c_str());
  if (blob == nullptr) return {};
  hb_face_t* face = api.hb_face_create(blob, static_cast<unsigned>(file.index));
  api.hb_blob_destroy(blob);
  std::string out;
  if (hb_subset_input_t* input = api.hb_subset_input_create_or_fail()) {
    hb_set_t* kept = api.hb_subset_input_glyph_set(input);
    for (const unsigned glyph : glyphs) api.hb_set_add(kept, glyph);
    // Glyph numbers stay as they are; the missing-glyph box keeps its outline; hinting, which
    // a page scaled by its reader does not use, and the layout tables are left out.
    api.hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NOTDEF_OUTLINE |
                                             HB_SUBSET_FLAGS_NO_HINTING);
    hb_set_t* dropped = api.hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* tag : {"GSUB", "GPOS", "GDEF", "morx", "kern", "BASE", "JSTF", "MATH", "DSIG"}) {
      api.hb_set_add(dropped, api.hb_tag_from_string(tag, -1));
    }
    if (hb_face_t* subset = api.hb_subset_or_fail(face, input)) {
      hb_blob_t* data = api.hb_face_reference_blob(subset);
      unsigned length = 0;
      const char* bytes = api.hb_blob_get_data(data, &length);
      out.assign(bytes, length);
      api.hb_blob_destroy(data);
      api.hb_face_destroy(subset);
    }
    api.hb_subset_input_destroy(input);
  }
  api.hb_face_destroy(face);
  return out;
}

}  // namespace corvane
