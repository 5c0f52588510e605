#include "core/json.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/text.h"

namespace moki::json {

namespace {

struct Reader {
  const std::string& s;
  size_t at = 0;
  ParseResult result;

  bool Fail(Fault f) {
    if (result.fault == Fault::None) result = {f, at, {}};
    return false;
  }
  bool AtEnd() const { return at >= s.size(); }
  // The next byte, or a cut-off fault at the end of the text.
  bool Peek(char& c) {
    if (AtEnd()) return Fail(Fault::CutOff);
    c = s[at];
    return true;
  }
  void SkipSpace() {
    while (!AtEnd() && (s[at] == ' ' || s[at] == '\t' || s[at] == '\n' || s[at] == '\r')) ++at;
  }
  // Reads the given word (true, false, null), telling an end of text inside
  // it from a wrong letter.
  bool Word(const char* w) {
    for (; *w; ++w, ++at) {
      if (AtEnd()) return Fail(Fault::CutOff);
      if (s[at] != *w) return Fail(Fault::Malformed);
    }
    return true;
  }

  bool Digits(size_t& count) {
    count = 0;
    while (!AtEnd() && s[at] >= '0' && s[at] <= '9') ++at, ++count;
    return true;
  }

  bool Number(Value& v) {
    const size_t start = at;
    if (s[at] == '-') ++at;
    char c;
    if (!Peek(c)) return false;
    size_t n = 0;
    if (c == '0') {
      ++at;
    } else if (c >= '1' && c <= '9') {
      Digits(n);
    } else {
      return Fail(Fault::Malformed);
    }
    if (!AtEnd() && s[at] == '.') {
      ++at;
      Digits(n);
      if (n == 0) return AtEnd() ? Fail(Fault::CutOff) : Fail(Fault::Malformed);
    }
    if (!AtEnd() && (s[at] == 'e' || s[at] == 'E')) {
      ++at;
      if (!AtEnd() && (s[at] == '+' || s[at] == '-')) ++at;
      Digits(n);
      if (n == 0) return AtEnd() ? Fail(Fault::CutOff) : Fail(Fault::Malformed);
    }
    // from_chars does not look at the locale, so "1.5" reads the same everywhere.
    double d = 0;
    const auto r = std::from_chars(s.data() + start, s.data() + at, d);
    if (r.ec != std::errc() || r.ptr != s.data() + at || !std::isfinite(d)) {
      at = start;
      return Fail(Fault::Malformed);
    }
    v.kind = Value::Kind::Number;
    v.number = d;
    return true;
  }

  bool Hex4(uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i, ++at) {
      if (AtEnd()) return Fail(Fault::CutOff);
      const char c = s[at];
      out <<= 4;
      if (c >= '0' && c <= '9')
        out |= uint32_t(c - '0');
      else if (c >= 'a' && c <= 'f')
        out |= uint32_t(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        out |= uint32_t(c - 'A' + 10);
      else
        return Fail(Fault::Malformed);
    }
    return true;
  }

  // One UTF-8 sequence starting at a byte of 0x80 or more, copied to o.
  bool Utf8(std::string& o) {
    const auto b0 = static_cast<unsigned char>(s[at]);
    int more = 0;
    uint32_t cp = 0, min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF)
      more = 1, cp = b0 & 0x1F, min = 0x80;
    else if (b0 >= 0xE0 && b0 <= 0xEF)
      more = 2, cp = b0 & 0x0F, min = 0x800;
    else if (b0 >= 0xF0 && b0 <= 0xF4)
      more = 3, cp = b0 & 0x07, min = 0x10000;
    else
      return Fail(Fault::Malformed);
    const size_t start = at++;
    for (int i = 0; i < more; ++i, ++at) {
      if (AtEnd()) return Fail(Fault::CutOff);
      const auto b = static_cast<unsigned char>(s[at]);
      if ((b & 0xC0) != 0x80) return Fail(Fault::Malformed);
      cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      at = start;
      return Fail(Fault::Malformed);
    }
    o.append(s, start, at - start);
    return true;
  }

  bool String(std::string& o) {
    ++at;  // the opening quote
    o.clear();
    for (;;) {
      char c;
      if (!Peek(c)) return false;
      if (c == '"') {
        ++at;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return Fail(Fault::Malformed);
      if (static_cast<unsigned char>(c) >= 0x80) {
        if (!Utf8(o)) return false;
        continue;
      }
      if (c != '\\') {
        o += c;
        ++at;
        continue;
      }
      ++at;
      if (!Peek(c)) return false;
      ++at;
      switch (c) {
        case '"':
        case '\\':
        case '/':
          o += c;
          break;
        case 'b':
          o += '\b';
          break;
        case 'f':
          o += '\f';
          break;
        case 'n':
          o += '\n';
          break;
        case 'r':
          o += '\r';
          break;
        case 't':
          o += '\t';
          break;
        case 'u': {
          uint32_t cp;
          if (!Hex4(cp)) return false;
          if (cp >= 0xDC00 && cp <= 0xDFFF) return Fail(Fault::Malformed);
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            // A high surrogate must be followed by an escaped low one.
            if (!Word("\\u")) return false;
            uint32_t low;
            if (!Hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Fail(Fault::Malformed);
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          o += plat::ToUtf8(std::u32string(1, char32_t(cp)));
          break;
        }
        default:
          --at;
          return Fail(Fault::Malformed);
      }
    }
  }

  bool Array(Value& v, int depth) {
    ++at;  // [
    v.kind = Value::Kind::Array;
    SkipSpace();
    char c;
    if (!Peek(c)) return false;
    if (c == ']') {
      ++at;
      return true;
    }
    for (;;) {
      v.items.emplace_back();
      if (!Element(v.items.back(), depth + 1)) return false;
      SkipSpace();
      if (!Peek(c)) return false;
      ++at;
      if (c == ']') return true;
      if (c != ',') {
        --at;
        return Fail(Fault::Malformed);
      }
    }
  }

  bool Object(Value& v, int depth) {
    ++at;  // {
    v.kind = Value::Kind::Object;
    SkipSpace();
    char c;
    if (!Peek(c)) return false;
    if (c == '}') {
      ++at;
      return true;
    }
    std::vector<size_t> keyAt;  // where each key starts, for naming a repeated one
    for (;;) {
      SkipSpace();
      if (!Peek(c)) return false;
      if (c != '"') return Fail(Fault::Malformed);
      keyAt.push_back(at);
      std::string key;
      if (!String(key)) return false;
      SkipSpace();
      if (!Peek(c)) return false;
      if (c != ':') return Fail(Fault::Malformed);
      ++at;
      v.keys.push_back(std::move(key));
      v.items.emplace_back();
      if (!Element(v.items.back(), depth + 1)) return false;
      SkipSpace();
      if (!Peek(c)) return false;
      ++at;
      if (c == '}') return NoKeyTwice(v, keyAt);
      if (c != ',') {
        --at;
        return Fail(Fault::Malformed);
      }
    }
  }

  // Once the object is whole: the first key that repeats an earlier one is
  // the fault, found in one sort rather than a search per key.
  bool NoKeyTwice(const Value& v, const std::vector<size_t>& keyAt) {
    std::vector<size_t> order(v.keys.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return v.keys[a] < v.keys[b]; });
    size_t first = order.size();
    for (size_t i = 1; i < order.size(); ++i)
      if (v.keys[order[i]] == v.keys[order[i - 1]] && order[i] < first) first = order[i];
    if (first == order.size()) return true;
    at = keyAt[first];
    if (result.fault == Fault::None) result = {Fault::Repeated, at, v.keys[first]};
    return false;
  }

  bool Element(Value& v, int depth) {
    if (depth > kMaxDepth) return Fail(Fault::Malformed);
    SkipSpace();
    char c;
    if (!Peek(c)) return false;
    switch (c) {
      case '{':
        return Object(v, depth);
      case '[':
        return Array(v, depth);
      case '"':
        v.kind = Value::Kind::String;
        return String(v.text);
      case 't':
        v.kind = Value::Kind::Bool;
        v.boolean = true;
        return Word("true");
      case 'f':
        v.kind = Value::Kind::Bool;
        return Word("false");
      case 'n':
        return Word("null");
      default:
        if (c == '-' || (c >= '0' && c <= '9')) return Number(v);
        return Fail(Fault::Malformed);
    }
  }
};

}  // namespace

const Value* Value::Find(const std::string& key) const {
  if (kind != Kind::Object) return nullptr;
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return &items[i];
  return nullptr;
}

bool Value::IsInt(int64_t lo, int64_t hi) const {
  return kind == Kind::Number && number == std::floor(number) && number >= double(lo) &&
         number <= double(hi);
}

ParseResult Parse(const std::string& text, Value& out) {
  out = Value{};
  Reader r{text, 0, {}};
  if (r.Element(out, 0)) {
    r.SkipSpace();
    if (!r.AtEnd()) r.Fail(Fault::Malformed);
  }
  if (r.result.fault != Fault::None) out = Value{};
  return r.result;
}

}  // namespace moki::json
