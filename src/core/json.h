// A small strict JSON reader and the pieces of a writer, for the player's own
// files. The reader takes standard JSON only (no comments, no trailing
// commas, no repeated keys in one object) and tells a text that ends too soon
// from one that is malformed, so that a cut-off file can be named as such.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/json_escape.h"

namespace moki::json {

struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;               // a string, as UTF-8
  std::vector<Value> items;       // an array's elements, or an object's values
  std::vector<std::string> keys;  // an object's keys, one per entry of items

  // The value of key in an object, or nullptr.
  const Value* Find(const std::string& key) const;
  // Whether this is a number with no fraction in [lo, hi].
  bool IsInt(int64_t lo, int64_t hi) const;
};

enum class Fault {
  None,
  CutOff,     // the text ends before the value does
  Malformed,  // anything else that is not JSON, or nested deeper than kMaxDepth
  Repeated,   // an object holds the same key twice
};
constexpr int kMaxDepth = 32;

struct ParseResult {
  Fault fault = Fault::None;
  size_t offset = 0;  // where the fault was found, in bytes from the start
  std::string key;    // the key held twice (Repeated)
};

// Parses text as one JSON value with nothing but white space after it.
ParseResult Parse(const std::string& text, Value& out);

// Appends s as a JSON string: quoted, with quotes, backslashes and control
// characters escaped.
inline void AppendString(std::string& out, const std::string& s) {
  plat::AppendJsonString(out, s);
}

}  // namespace moki::json
