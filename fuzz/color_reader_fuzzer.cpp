// Feeds arbitrary text to the colour reader. It must stay inside the text and either leave the
// colour as it was or set all three components: finite and not negative, and for "#RRGGBB" a
// multiple of 1/255 within 0 to 1.
#include <cmath>
#include <cstring>
#include <string>

#include "commands/command_reader.h"
#include "commands/value_parsers.h"
#include "fuzz_entry.h"

extern "C" int CORVANE_FUZZ_ENTRY(FuzzColorReader)(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const char* begin = text.c_str();
  const char* end = begin + std::strlen(begin);

  constexpr float kBefore = -7.0f;
  corvane::RgbColor color{kBefore, kBefore, kBefore};
  const char* next = corvane::ParseColor(begin, color);
  if (next < begin || next > end) __builtin_trap();

  const float components[] = {color.red, color.green, color.blue};
  int unchanged = 0;
  for (const float c : components) unchanged += c == kBefore;
  if (unchanged == 3) return 0;
  if (unchanged != 0) __builtin_trap();
  const bool hex = *corvane::SkipBlanks(begin) == '#';
  for (const float c : components) {
    if (!std::isfinite(c) || c < 0) __builtin_trap();
    if (hex && (c > 1 || c != static_cast<float>(std::round(c * 255.0) / 255.0))) __builtin_trap();
  }
  return 0;
}
