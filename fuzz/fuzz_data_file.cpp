// libFuzzer target: the data-file reader on arbitrary file contents.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  moki_fuzz::ReadDataFile(data, size);
  return 0;
}
