// The translations of the game's texts, made at build time from the PO
// catalogues in po/ (one catalogue per language after Japanese, in the order
// the build lists them). Every text has a key (the catalogue's msgctxt); the
// Japanese text is the catalogue's msgid and the game's own table.
#pragma once

#include <cstddef>

namespace moki {

struct CatalogueEntry {
  const char* key;         // msgctxt
  const char32_t* source;  // msgid: the Japanese text it was translated from
  const char32_t* text;    // msgstr: empty when not translated
};

struct Catalogue {
  const char* code;  // "en": the settings file's `language =` and --lang
  const CatalogueEntry* entries;
  size_t count;  // entries sorted by key
};

// The translations, made from po/*.po.
extern const Catalogue kCatalogues[];
extern const size_t kCatalogueCount;
// The template po/mokimoki.pot: every key and its Japanese text (as source and text).
extern const Catalogue kTemplateCatalogue;

// The script codes that take operands (the characters after "#" and the code):
// how many as a rule, in a bear room, and before the operand P. Made with the
// tables, from the one list in tools/po/make_tables.py.
struct ScriptCodeOperands {
  char32_t code;
  int rule, inBearRoom, beforeP;
};
extern const ScriptCodeOperands kScriptCodeOperands[];
extern const size_t kScriptCodeOperandsCount;
// The operands of code `code`, followed by `next`.
inline int OperandCount(char32_t code, bool bearRoom, char32_t next) {
  for (size_t i = 0; i < kScriptCodeOperandsCount; ++i) {
    const ScriptCodeOperands& c = kScriptCodeOperands[i];
    if (c.code == code) return next == U'P' ? c.beforeP : bearRoom ? c.inBearRoom : c.rule;
  }
  return 0;
}

// The game's Japanese texts outside the scripts and the items, by key.
struct JapaneseText {
  const char* key;
  const char32_t* text;
};
extern const JapaneseText kJapaneseTexts[];
extern const size_t kJapaneseTextCount;

}  // namespace moki
