// Comparison of text without regard to letter case, for every letter with a simple lower-case
// form (É equals é, Σ equals σ). Used to sort labels and to recognise words and a ".pdf" ending.
#pragma once

#include <string_view>

namespace corvane {

// The simple lower-case form of the character, or the character itself.
char32_t LowerCase(char32_t codePoint);

// Negative, zero or positive: the two texts compared character by character in lower case.
// Characters of Windows-1252 keep the order of their bytes there; the others follow them, in
// the order of their code points.
int CompareNoCase(std::string_view a, std::string_view b);

inline bool EqualsNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

}  // namespace corvane
