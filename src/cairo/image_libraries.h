// cairo, fontconfig and FreeType are loaded when the first image is drawn, not when the program
// starts: linked in, loading and relocating them and what they pull in would more than double
// the instructions of every PDF run. The program calls their functions by their own names;
// here each name is defined as a stub that calls the library's function, found once.
#pragma once

#include <string>

namespace corvane {

// Loads the libraries, once a process, and finds every function the program calls in them.
// Returns false, with the loader's reason in why, when that fails; no other function of
// theirs may be called then.
bool LoadImageLibraries(std::string& why);

}  // namespace corvane
