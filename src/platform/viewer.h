// Opens a saved file in the user's default viewer, as a double click would: through the
// desktop's opener program (xdg-open on Linux, open on macOS), found in the folders the PATH
// names, and never in the current folder unless the PATH names it. The run must neither wait
// for the viewer nor hand it the run's terminal, so the opener runs in a session of its own
// with nothing but /dev/null for input and output.
#pragma once

#include <string>

namespace corvane {

// What OpenInViewer reports, in the numbers a Windows shell gives for the same outcomes.
inline constexpr int kViewerOpened = 0;
inline constexpr int kViewerNotFound = 2;  // no opener program on the PATH
inline constexpr int kViewerFailed = 31;   // the opener ran and reported failure

// The PATH of the environment or, when it has none, the system's default path.
std::string EnvironmentPath();

// Starts the opener on the file (a file-system name) and waits about two seconds for it to
// finish. An opener still running then is taken to have opened the file: some stay until
// the viewer closes. One that finished is reaped.
int OpenInViewer(const std::string& file, const std::string& searchPath = EnvironmentPath());

}  // namespace corvane
