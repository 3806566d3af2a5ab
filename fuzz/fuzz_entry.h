// Names a fuzz target's entry point: LLVMFuzzerTestOneInput in the libFuzzer build, and a
// name of its own when the test suite links every target into one binary to replay inputs.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef CORVANE_FUZZ_REPLAY
#define CORVANE_FUZZ_ENTRY(replayName) replayName
#else
#define CORVANE_FUZZ_ENTRY(replayName) LLVMFuzzerTestOneInput
#endif
