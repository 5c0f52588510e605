// A Japanese text marked for the catalogues with its key (the msgctxt):
// J("name.kua", U"くあ") is a row of a table of keys and texts, JT(key, text)
// the text alone, where the key is kept beside it. tools/po/import_tables.py
// finds them with xgettext (-kJ:1c,2 -kJT:1c,2); a comment that begins
// "TRANSLATORS:" just above one goes into the template for the translator.
// Included only by the files of the game's Japanese texts.
#pragma once

#define J(key, text) \
  { key, text }
#define JT(key, text) text
