// What the browser's C and C++ libraries lack, given to the code that asks
// for it (included before every file of the browser's build): renameat2 is
// not there, and says so (ENOSYS), so a file kept as bad is renamed the
// careful way, looking first.
#pragma once

#include <errno.h>
#include <stdio.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE 1
static inline int renameat2(int, const char*, int, const char*, unsigned) {
  errno = ENOSYS;
  return -1;
}
#endif

#ifdef __cplusplus
// emscripten's C++ library reads no floating-point numbers with from_chars;
// strtod does the same in the browser, whose C library has only the C locale.
#include <charconv>
#include <cstdlib>
#include <string>
namespace std {
inline from_chars_result from_chars(const char* first, const char* last, double& value) {
  const string text(first, last);
  char* end = nullptr;
  errno = 0;
  const double d = strtod(text.c_str(), &end);
  from_chars_result r{first + (end - text.c_str()), errc()};
  if (end == text.c_str())
    r.ec = errc::invalid_argument;
  else if (errno == ERANGE)
    r.ec = errc::result_out_of_range;
  else
    value = d;
  return r;
}
}  // namespace std
#endif
