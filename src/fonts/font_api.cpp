#include "fonts/font_api.h"

#include <dlfcn.h>

#include <type_traits>

namespace corvane {

bool FontApi::Load() {
  if (state_ != kNotTried) return state_ == kLoaded;
  state_ = kMissing;
  // The runtime packages' names: libfreetype6, libfontconfig1.
  const char* const names[2] = {"libfreetype.so.6", "libfontconfig.so.1"};
  for (int i = 0; i < 2; ++i) {
    // Never unloaded: fontconfig keeps caches for the whole process, which unloading would
    // strand; a second run in the process finds the libraries already there.
    handles_[i] = dlopen(names[i], RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    if (handles_[i] == nullptr) return false;
  }
  bool all = true;
  auto find = [&all](void* handle, auto& function, const char* name) {
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
    all = all && function != nullptr;
  };
#define CORVANE_FIND(name) find(handles_[library], name, #name);
  int library = 0;
  CORVANE_FREETYPE_FUNCTIONS(CORVANE_FIND)
  library = 1;
  CORVANE_FONTCONFIG_FUNCTIONS(CORVANE_FIND)
#undef CORVANE_FIND
  if (all) state_ = kLoaded;
  return all;
}

}  // namespace corvane
