// The document of a run, built in the format its output asks for and delivered: saved in place
// of the file, or written to standard output, and then opened in the viewer on request. What a
// PNG or SVG cannot hold is settled first: encryption is refused before anything is written,
// and the PDF's viewer settings and outline are reported as ignored.
#pragma once

#include "app/run.h"

namespace corvane {

// Builds and delivers the run's document. Returns 0 when it was saved or written whole, 1 after
// logging why not.
int MakeDocument(Run& run);

}  // namespace corvane
