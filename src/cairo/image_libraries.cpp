#include "cairo/image_libraries.h"

#include <cairo-ft.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H

#include <mutex>

namespace corvane {
namespace {

// Each function the program calls: its result, name, parameters and the names it passes on.
#define CORVANE_IMAGE_FUNCTIONS(F)                                                                            \
  F(cairo_surface_t*, cairo_image_surface_create, (cairo_format_t f, int w, int h), (f, w, h))               \
  F(cairo_surface_t*, cairo_image_surface_create_for_data,                                                   \
    (unsigned char* d, cairo_format_t f, int w, int h, int s), (d, f, w, h, s))                               \
  F(unsigned char*, cairo_image_surface_get_data, (cairo_surface_t * s), (s))                                 \
  F(int, cairo_image_surface_get_width, (cairo_surface_t * s), (s))                                           \
  F(int, cairo_image_surface_get_height, (cairo_surface_t * s), (s))                                          \
  F(int, cairo_image_surface_get_stride, (cairo_surface_t * s), (s))                                          \
  F(cairo_surface_t*, cairo_svg_surface_create_for_stream,                                                    \
    (cairo_write_func_t write, void* closure, double w, double h), (write, closure, w, h))                    \
  F(void, cairo_svg_surface_set_document_unit, (cairo_surface_t * s, cairo_svg_unit_t u), (s, u))             \
  F(void, cairo_surface_flush, (cairo_surface_t * s), (s))                                                    \
  F(void, cairo_surface_finish, (cairo_surface_t * s), (s))                                                   \
  F(cairo_status_t, cairo_surface_status, (cairo_surface_t * s), (s))                                         \
  F(void, cairo_surface_destroy, (cairo_surface_t * s), (s))                                                  \
  F(cairo_t*, cairo_create, (cairo_surface_t * s), (s))                                                       \
  F(cairo_surface_t*, cairo_get_target, (cairo_t * c), (c))                                                   \
  F(cairo_surface_type_t, cairo_surface_get_type, (cairo_surface_t * s), (s))                                 \
  F(cairo_format_t, cairo_image_surface_get_format, (cairo_surface_t * s), (s))                               \
  F(void, cairo_surface_mark_dirty_rectangle, (cairo_surface_t * s, int x, int y, int w, int h), (s, x, y, w, h)) \
  F(void, cairo_get_matrix, (cairo_t * c, cairo_matrix_t * m), (c, m))                                        \
  F(void, cairo_set_matrix, (cairo_t * c, const cairo_matrix_t* m), (c, m))                                   \
  F(void, cairo_destroy, (cairo_t * c), (c))                                                                  \
  F(cairo_status_t, cairo_status, (cairo_t * c), (c))                                                         \
  F(const char*, cairo_status_to_string, (cairo_status_t s), (s))                                             \
  F(void, cairo_save, (cairo_t * c), (c))                                                                     \
  F(void, cairo_restore, (cairo_t * c), (c))                                                                  \
  F(void, cairo_scale, (cairo_t * c, double x, double y), (c, x, y))                                          \
  F(void, cairo_translate, (cairo_t * c, double x, double y), (c, x, y))                                      \
  F(void, cairo_transform, (cairo_t * c, const cairo_matrix_t* m), (c, m))                                    \
  F(void, cairo_matrix_init, (cairo_matrix_t * m, double xx, double yx, double xy, double yy, double x0,      \
                              double y0),                                                                     \
    (m, xx, yx, xy, yy, x0, y0))                                                                              \
  F(void, cairo_set_source_rgb, (cairo_t * c, double r, double g, double b), (c, r, g, b))                    \
  F(void, cairo_set_line_width, (cairo_t * c, double w), (c, w))                                              \
  F(void, cairo_set_dash, (cairo_t * c, const double* d, int n, double o), (c, d, n, o))                      \
  F(void, cairo_paint, (cairo_t * c), (c))                                                                    \
  F(void, cairo_move_to, (cairo_t * c, double x, double y), (c, x, y))                                        \
  F(void, cairo_line_to, (cairo_t * c, double x, double y), (c, x, y))                                        \
  F(void, cairo_curve_to, (cairo_t * c, double x1, double y1, double x2, double y2, double x3, double y3),    \
    (c, x1, y1, x2, y2, x3, y3))                                                                              \
  F(void, cairo_rectangle, (cairo_t * c, double x, double y, double w, double h), (c, x, y, w, h))            \
  F(void, cairo_arc_negative, (cairo_t * c, double x, double y, double r, double a1, double a2),              \
    (c, x, y, r, a1, a2))                                                                                     \
  F(void, cairo_close_path, (cairo_t * c), (c))                                                               \
  F(void, cairo_get_current_point, (cairo_t * c, double* x, double* y), (c, x, y))                            \
  F(void, cairo_fill, (cairo_t * c), (c))                                                                     \
  F(void, cairo_fill_preserve, (cairo_t * c), (c))                                                            \
  F(void, cairo_stroke, (cairo_t * c), (c))                                                                   \
  F(void, cairo_clip, (cairo_t * c), (c))                                                                     \
  F(cairo_font_options_t*, cairo_font_options_create, (void), ())                                             \
  F(void, cairo_font_options_destroy, (cairo_font_options_t * o), (o))                                        \
  F(void, cairo_font_options_set_antialias, (cairo_font_options_t * o, cairo_antialias_t a), (o, a))          \
  F(void, cairo_font_options_set_hint_style, (cairo_font_options_t * o, cairo_hint_style_t s), (o, s))        \
  F(void, cairo_font_options_set_hint_metrics, (cairo_font_options_t * o, cairo_hint_metrics_t m), (o, m))    \
  F(void, cairo_set_font_options, (cairo_t * c, const cairo_font_options_t* o), (c, o))                      \
  F(void, cairo_set_font_face, (cairo_t * c, cairo_font_face_t* f), (c, f))                                   \
  F(void, cairo_set_font_matrix, (cairo_t * c, const cairo_matrix_t* m), (c, m))                              \
  F(void, cairo_show_glyphs, (cairo_t * c, const cairo_glyph_t* g, int n), (c, g, n))                         \
  F(void, cairo_glyph_path, (cairo_t * c, const cairo_glyph_t* g, int n), (c, g, n))                          \
  F(cairo_font_face_t*, cairo_ft_font_face_create_for_ft_face, (FT_Face f, int flags), (f, flags))           \
  F(cairo_status_t, cairo_font_face_set_user_data,                                                            \
    (cairo_font_face_t * f, const cairo_user_data_key_t* k, void* d, cairo_destroy_func_t destroy),          \
    (f, k, d, destroy))                                                                                       \
  F(void, cairo_font_face_destroy, (cairo_font_face_t * f), (f))                                              \
  F(FcConfig*, FcInitLoadConfigAndFonts, (void), ())                                                          \
  F(FcConfig*, FcConfigCreate, (void), ())                                                                    \
  F(FcBool, FcConfigParseAndLoadFromMemory, (FcConfig * c, const FcChar8* b, FcBool complain), (c, b, complain)) \
  F(FcBool, FcConfigBuildFonts, (FcConfig * c), (c))                                                          \
  F(void, FcConfigDestroy, (FcConfig * c), (c))                                                               \
  F(FcPattern*, FcPatternCreate, (void), ())                                                                  \
  F(void, FcPatternDestroy, (FcPattern * p), (p))                                                             \
  F(FcBool, FcPatternAddString, (FcPattern * p, const char* o, const FcChar8* s), (p, o, s))                  \
  F(FcBool, FcPatternAddInteger, (FcPattern * p, const char* o, int i), (p, o, i))                            \
  F(FcResult, FcPatternGetString, (const FcPattern* p, const char* o, int n, FcChar8** s), (p, o, n, s))      \
  F(FcResult, FcPatternGetInteger, (const FcPattern* p, const char* o, int n, int* i), (p, o, n, i))          \
  F(FcBool, FcConfigSubstitute, (FcConfig * c, FcPattern* p, FcMatchKind k), (c, p, k))                       \
  F(void, FcDefaultSubstitute, (FcPattern * p), (p))                                                          \
  F(FcPattern*, FcFontMatch, (FcConfig * c, FcPattern* p, FcResult* r), (c, p, r))                            \
  F(FT_Error, FT_New_Library, (FT_Memory m, FT_Library * l), (m, l))                                          \
  F(void, FT_Add_Default_Modules, (FT_Library l), (l))                                                        \
  F(FT_Error, FT_Reference_Library, (FT_Library l), (l))                                                      \
  F(FT_Error, FT_Done_Library, (FT_Library l), (l))                                                           \
  F(FT_Error, FT_New_Face, (FT_Library l, const char* path, FT_Long i, FT_Face* f), (l, path, i, f))          \
  F(FT_Error, FT_Done_Face, (FT_Face f), (f))                                                                 \
  F(FT_Error, FT_Select_Charmap, (FT_Face f, FT_Encoding e), (f, e))                                          \
  F(FT_UInt, FT_Get_Char_Index, (FT_Face f, FT_ULong c), (f, c))

#define CORVANE_NAME(result, name, parameters, arguments) #name,
constexpr const char* kFunctions[] = {CORVANE_IMAGE_FUNCTIONS(CORVANE_NAME)};
#undef CORVANE_NAME

// cairo loads the other two; each is opened by its own name all the same, as a function is
// looked for in the library that defines it.
constexpr const char* kLibraries[] = {"libcairo.so.2", "libfontconfig.so.1", "libfreetype.so.6"};

// The libraries as the process has them: opened on first asking and never closed, as the
// dynamic linker keeps the libraries a program is linked with.
struct Loaded {
  void* handles[std::size(kLibraries)] = {};
  std::string why;  // empty when every library and function was found
};

void* Find(const Loaded& loaded, const char* name) {
  for (void* handle : loaded.handles) {
    if (void* function = handle != nullptr ? dlsym(handle, name) : nullptr) return function;
  }
  return nullptr;
}

const Loaded& Libraries() {
  static const Loaded loaded = [] {
    Loaded l;
    for (std::size_t i = 0; i < std::size(kLibraries) && l.why.empty(); ++i) {
      // Lazy binding: a chart calls few of the functions these libraries bind among themselves,
      // and binding them all on opening cost a sixth of the instructions of an SVG run.
      l.handles[i] = dlopen(kLibraries[i], RTLD_LAZY | RTLD_LOCAL);
      if (l.handles[i] == nullptr) l.why = dlerror();
    }
    for (const char* name : kFunctions) {
      if (l.why.empty() && Find(l, name) == nullptr) l.why = std::string(name) + " is missing";
    }
    return l;
  }();
  return loaded;
}

}  // namespace

bool LoadImageLibraries(std::string& why) {
  why = Libraries().why;
  return why.empty();
}

}  // namespace corvane

// The stubs, with C linkage in place of the libraries' own.
#define CORVANE_STUB(result, name, parameters, arguments)                                              \
  extern "C" result name parameters {                                                                  \
    static const auto function = reinterpret_cast<decltype(&name)>(corvane::Find(corvane::Libraries(), #name)); \
    return function arguments;                                                                         \
  }
CORVANE_IMAGE_FUNCTIONS(CORVANE_STUB)
#undef CORVANE_STUB
