// libFuzzer target: the recording reader on arbitrary files and records.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  moki_fuzz::ReadRecording(data, size);
  return 0;
}
