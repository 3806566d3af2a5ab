// Text inside Corvane is bytes in Windows-1252, the encoding of the PDF standard fonts
// ("WinAnsiEncoding"), so every length limit counts those bytes. The outside world speaks
// UTF-8: arguments and file lines are converted on the way in, log lines on the way out.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Valid UTF-8 becomes Windows-1252 (characters it cannot hold become '?');
// anything else is returned unchanged, so files already in Windows-1252 keep working.
std::string Utf8ToWindows1252(std::string_view text);

// Every Windows-1252 byte becomes its UTF-8 form.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace corvane
