// libFuzzer target: the save reader on arbitrary file contents.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  moki_fuzz::ReadSave(data, size);
  return 0;
}
