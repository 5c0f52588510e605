// libFuzzer target: arbitrary script text run by the interpreter, headless.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  moki_fuzz::RunScriptInput(data, size);
  return 0;
}
