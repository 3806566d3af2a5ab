// How many processors the process may run on, for work that can be spread over them.
#pragma once

namespace corvane {

// The processors of the process's affinity mask (what `nproc` shows), at least 1.
int ProcessorCount();

}  // namespace corvane
