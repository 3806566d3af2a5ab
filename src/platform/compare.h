// Comparison of Windows-1252 text without regard to letter case, accented letters included
// (É equals é). Used to sort labels and to recognise a ".pdf" ending.
#pragma once

#include <string_view>

namespace corvane {

// Negative, zero or positive, as a byte-wise comparison of the two texts in lower case.
int CompareNoCase(std::string_view a, std::string_view b);

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

}  // namespace corvane
