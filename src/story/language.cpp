// Choosing the language, and carrying a running script over to the other
// language's script at the same place.
#include "story/language.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"
#include "story/actions.h"
#include "story/cast_tables.h"
#include "story/catalogue.h"
#include "story/item_catalogue.h"
#include "story/script_text.h"

namespace moki {

namespace {

// The keys of the cast's names, by cast index ("name.kua"); the bear rooms'
// host has no name.
constexpr const char* kCastKeys[kCastCount] = {
    "kua",    "mokimoki", "receptionist", "santa",     "yuuga",     "becker",    "toomey", "take",
    "senpai", "shinnen",  "ellie",        "honshitsu", "jiddy",     "wee-dango", "inura",  "invi",
    "peace",  "kouhai",   "katsuodori",   "tuxedo",    "zatsugame", "dokuro",    nullptr};
constexpr const char* kAbilityKeys[3] = {"dash", "nice-pass", "self-destruct"};
constexpr const char* kGameKeyKeys[kKeyScreenRows] = {"left",  "up",   "right", "down", "space",
                                                      "shift", "ctrl", "z",     "x",    "c"};
constexpr const char* kUiKeys[int(UiText::Count)] = {
    "ui.caption",     "ui.menu-file",     "ui.menu-start", "ui.menu-continue",
    "ui.menu-quit",   "ui.menu-settings", "ui.menu-keys",  "ui.language.ja",
    "ui.language.en", "ui.this-language", "ui.ok",         "ui.yes",
    "ui.no",          "ui.scaling-whole", "ui.scaling-fit",
    "ui.menu-help",   "ui.menu-report",   "ui.menu-open-folder",
    "report.unclean", "report.written",   "report.open-folder",
    "report.not-recorded", "report.failed"};
constexpr const char* kSaveKeys[int(SaveText::Count)] = {
    "save.caption",        "save.cannot-read",       "save.kept-as-bad",   "save.not-kept",
    "save.no-save",        "save.cannot-write",      "save.empty",         "save.cut-off",
    "save.damaged",        "save.too-big",           "save.not-a-save",    "save.newer",
    "save.missing",        "save.wrong-value",       "save.unknown",       "save.unreadable",
    "save.in-use",         "save.repeated",          "save.why.not-plain", "save.why.read-only",
    "save.why.in-use",     "save.why.all-bad-taken", "save.why.no-space",  "save.why.no-permission",
    "save.why.not-folder", "save.not-saved-over",    "save.newer-kept",    "save.start-over-newer"};
constexpr const char* kSavePartKeys[int(SavePart::Count)] = {"money", "league", "items", "story",
                                                             "places"};

// Every text of a language's table with its key: the one list that makes a
// table from the catalogues.
template <class F>
void ForEachText(LanguageTexts& t, F&& f) {
  auto key = [](const char* a, const char* b = nullptr, const char* c = nullptr) {
    return std::string(a) + (b ? b : "") + (c ? c : "");
  };
  for (int c = 0; c < kCastCount; ++c)
    if (kCastKeys[c]) f(key("name.", kCastKeys[c]), t.castNames[size_t(c)]);
  f(key("line-indent"), t.lineIndent);
  f(key("code.opponent"), t.opponent);
  f(key("code.pair"), t.pair);
  f(key("code.item-explained"), t.itemExplained);
  for (size_t a = 0; a < 3; ++a) {
    f(key("ability.", kAbilityKeys[a], ".name"), t.abilityNames[a]);
    f(key("ability.", kAbilityKeys[a], ".text"), t.abilityTexts[a]);
  }
  for (size_t r = 1; r < t.rankLabels.size(); ++r)
    f(key("ranking.place.", std::to_string(r).c_str()), t.rankLabels[r]);
  f(key("ranking.record"), t.record);
  f(key("status.match-day"), t.matchDay);
  f(key("status.motivated-mode"), t.motivatedMode);
  f(key("status.easy-mode"), t.easyMode);
  f(key("status.money"), t.money);
  f(key("status.item-line"), t.keyLine);
  f(key("status.item-none"), t.keyEmpty);
  for (size_t k = 0; k < 3; ++k) f(key("status.key.", kGameKeyKeys[7 + k]), t.keyNames[k]);
  f(key("match.line"), t.matchLine);
  f(key("result.draw"), t.resultDraw);
  f(key("result.win"), t.resultWin);
  f(key("result.loss"), t.resultLoss);
  for (size_t l = 0; l < t.titleHelp.size(); ++l)
    f(key("title.help.", std::to_string(l + 1).c_str()), t.titleHelp[l]);
  f(key("title.help.menu"), t.titleMenuHelp);
  for (size_t u = 0; u < t.ui.size(); ++u) f(key(kUiKeys[u]), t.ui[u]);
  KeyScreenTexts& k = t.keyScreen;
  f(key("keys.title"), k.title);
  for (size_t r = 0; r < size_t(kKeyScreenRows); ++r) {
    f(key("keys.label.", kGameKeyKeys[r]), k.labels[r]);
    f(key("keys.action.", kGameKeyKeys[r]), k.actions[r]);
  }
  f(key("keys.help"), k.help);
  f(key("keys.waiting"), k.waiting);
  f(key("keys.changed"), k.changed);
  f(key("keys.not-saved"), k.notSaved);
  f(key("keys.unchanged"), k.unchanged);
  f(key("keys.taken"), k.taken);
  f(key("keys.reserved"), k.reserved);
  f(key("keys.escape"), k.escape);
  f(key("keys.press-another"), k.pressAnother);
  f(key("keys.waiting-mark"), k.waitingMark);
  for (size_t i = 0; i < t.saveTexts.size(); ++i) f(key(kSaveKeys[i]), t.saveTexts[i]);
  for (size_t i = 0; i < t.saveParts.size(); ++i)
    f(key("save.part.", kSavePartKeys[i]), t.saveParts[i]);
  PadTexts& p = t.pad;
  for (size_t l = 0; l < p.titleHelp.size(); ++l)
    f(key("pad.title.help.", std::to_string(l + 1).c_str()), p.titleHelp[l]);
  f(key("pad.keys.keyboard"), p.keyboard);
  f(key("pad.keys.controller"), p.controller);
  f(key("pad.keys.help"), p.help);
  f(key("pad.keys.waiting"), p.waiting);
  f(key("pad.keys.escape"), p.escape);
  f(key("pad.keys.press-another"), p.pressAnother);
}

const char32_t* JapaneseTextOf(const std::string& key) {
  for (size_t i = 0; i < kJapaneseTextCount; ++i)
    if (key == kJapaneseTexts[i].key) return kJapaneseTexts[i].text;
  return U"";
}

// Language lang's catalogue (lang 1 is the first), or null for Japanese.
const Catalogue* CatalogueOf(int lang) {
  return (lang >= 1 && size_t(lang) <= kCatalogueCount) ? &kCatalogues[lang - 1] : nullptr;
}

const CatalogueEntry* FindEntry(const Catalogue& c, const char* key) {
  const CatalogueEntry* end = c.entries + c.count;
  const CatalogueEntry* e = std::lower_bound(
      c.entries, end, key,
      [](const CatalogueEntry& a, const char* k) { return std::strcmp(a.key, k) < 0; });
  return (e != end && std::strcmp(e->key, key) == 0) ? e : nullptr;
}

LanguageTexts MakeTexts(int lang) {
  LanguageTexts t{};
  const Catalogue* c = CatalogueOf(lang);
  t.code = c ? c->code : "ja";
  t.castNames.fill(U"");  // the bear rooms' host has no name
  t.rankLabels[0] = U"";
  ForEachText(t, [&](const std::string& key, const char32_t*& text) {
    text = Translated(lang, key.c_str(), JapaneseTextOf(key));
  });
  return t;
}

// The codes that two languages' scripts share. Line breaks ("#,") are not
// among them: each language breaks its lines where its words need.
bool IsCodeStart(const WString& s, size_t i) {
  return s[i] == U'#' && !(i + 1 < s.size() && s[i + 1] == U',');
}

// Index (0-based) of the k-th shared code of s (k from 1), or s.size() past the last.
size_t NthHash(const WString& s, size_t k) {
  size_t seen = 0;
  for (size_t i = 0; i < s.size(); ++i)
    if (IsCodeStart(s, i) && ++seen == k) return i;
  return s.size();
}

// The yes/no pictures of a language without pictures of its own: the two
// answers in black on white, a triangle before the chosen one.
void DrawYesNo(plat::Surface& s, const LanguageTexts& t, int chosen) {
  s.Resize(80, 50);
  s.Fill(plat::kWhite);
  for (int k = 0; k < 2; ++k) {
    const int top = 6 + 20 * k;
    plat::PrintText(s, 22, top, k == 0 ? t.ui[int(UiText::Yes)] : t.ui[int(UiText::No)],
                    plat::kBlack, plat::FontKind::Regular);
    if (k != chosen) continue;
    for (int col = 0; col < 6; ++col)  // a small ▶
      plat::DrawLine(s, 8 + col, top + 4 + col / 2 + 1, 8 + col, top + 13 - col / 2 - 1,
                     plat::kBlack);
  }
}

void ShowYesNoPictures(Form1& f) {
  Pictures& p = f.pics;
  if (f.gs.language == kLangJapanese) {
    plat::SetYesNoPictures(&p.Picyesno[0], &p.Picyesno[1]);
  } else {
    for (int k = 0; k < 2; ++k) DrawYesNo(p.PicyesnoOwn[size_t(k)], Texts(f.gs), k);
    plat::SetYesNoPictures(&p.PicyesnoOwn[0], &p.PicyesnoOwn[1]);
  }
  // Shown again as they are, so a question now up shows the new words.
  for (int k = 0; k < 2; ++k) plat::SetYesNoVisible(k, plat::YesNoVisible(k));
}

// The page of the running script from position `from` to `to` (1-based, in
// scriptText), written as the interpreter would have written it, without
// acting on anything. False if `to` is not reached along the page.
bool RewritePage(const GameState& gs, int speaker, int from, int to, WString& page) {
  page.clear();
  int pos = from;
  for (int steps = 0; steps < 100000; ++steps) {
    if (pos == to) return true;
    if (pos < 1 || size_t(pos) > gs.scriptText.size()) return false;
    if (ScriptChar(gs, pos) != U'#') {
      page += ScriptChar(gs, pos++);
      continue;
    }
    const int code = pos + 1;
    const char32_t k = ScriptChar(gs, code);
    const int next = code + CodeLength(gs, code);
    switch (k) {
      case U',':
        page += LineBreakText(gs, speaker);
        pos = next;
        break;
      case U'G':
        pos = FindLabel(gs, ScriptChar(gs, code + 1));
        break;
      case U'.':
      case U'?':
      case U'A':
      case U'C':  // the page ends here: it must be where the script waits
        return next == to;
      default:
        page += CodeText(gs, code);
        pos = next;
        break;
    }
  }
  return false;
}

}  // namespace

int LanguageCount() {
  return 1 + int(kCatalogueCount);
}

const char* LanguageCode(int lang) {
  if (lang == kLangJapanese) return "ja";
  const Catalogue* c = CatalogueOf(lang);
  return c ? c->code : "";
}

std::string LanguageCodes() {
  std::string codes;
  for (int lang = 0; lang < LanguageCount(); ++lang)
    codes.append(lang ? "|" : "").append(LanguageCode(lang));
  return codes;
}

const char32_t* LanguageMenuName(int lang, int other) {
  if (other == kLangJapanese) return UiString(lang, UiText::LanguageJapanese);
  if (other == kLangEnglish) return UiString(lang, UiText::LanguageEnglish);
  return UiString(other, UiText::ThisLanguage);
}

const LanguageTexts& Texts(int lang) {
  // Each language's table is made once, when it is first asked for.
  static std::vector<std::unique_ptr<LanguageTexts>> tables(static_cast<size_t>(LanguageCount()));
  if (lang < 0 || lang >= LanguageCount()) lang = kLangJapanese;
  auto& table = tables[size_t(lang)];
  if (!table) table = std::make_unique<LanguageTexts>(MakeTexts(lang));
  return *table;
}

const char32_t* Translated(int lang, const char* key, const char32_t* japanese) {
  const Catalogue* c = CatalogueOf(lang);
  const CatalogueEntry* e = c ? FindEntry(*c, key) : nullptr;
  // A translation made from another Japanese text is not this text's.
  if (!e || !*e->text || !japanese || std::u32string_view(e->source) != japanese) return japanese;
  return e->text;
}

const char32_t* UiString(int lang, UiText id) {
  const int i = int(id);
  return (i >= 0 && i < int(UiText::Count)) ? Texts(lang).ui[size_t(i)] : U"";
}

int LanguageFromCode(const char* code) {
  if (!code) return -1;
  for (int lang = 0; lang < LanguageCount(); ++lang)
    if (std::strcmp(LanguageCode(lang), code) == 0) return lang;
  return -1;
}

namespace {

// The language of one locale name ("pt_BR.UTF-8@euro"): its whole language
// and territory when a catalogue has that code, else its language alone.
int LanguageOfLocaleName(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  const int whole = LanguageFromCode(std::string(name).c_str());
  if (whole >= 0) return whole;
  return LanguageFromCode(std::string(name.substr(0, name.find('_'))).c_str());
}

}  // namespace

int LanguageFromLocale(const char* language, const char* lcAll, const char* lcMessages,
                       const char* lang) {
  for (std::string_view list = language ? language : ""; !list.empty();) {
    const size_t colon = list.find(':');
    const int found = LanguageOfLocaleName(list.substr(0, colon));
    if (found >= 0) return found;
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  for (const char* locale : {lcAll, lcMessages, lang}) {
    if (!locale || !*locale) continue;
    const int found = LanguageOfLocaleName(locale);
    return found >= 0 ? found : kLangEnglish;
  }
  return kLangEnglish;  // no locale at all is the C locale
}

WString FillIn(const char32_t* pattern, FillIns values) {
  WString out;
  const std::u32string_view p = pattern ? pattern : U"";
  for (size_t i = 0; i < p.size(); ++i) {
    const size_t close = p[i] == U'{' ? p.find(U'}', i) : std::u32string_view::npos;
    if (close != std::u32string_view::npos) {
      const std::u32string_view name = p.substr(i + 1, close - i - 1);
      const WString* value = nullptr;
      for (const auto& v : values)
        if (name == v.first) value = &v.second;
      if (value) {
        out += *value;
        i = close;
        continue;
      }
    }
    out += p[i];
  }
  return out;
}

WString AmountText(const GameState& gs, long long n) {
  const WString digits = NumberText(n);
  // Japanese writes the digits alone; the other languages mark the thousands
  // with a comma (a language that marks them otherwise gets its mark here).
  const WString mark = std::string_view(Texts(gs).code) == "ja" ? U"" : U",";
  if (mark.empty()) return digits;
  const size_t first = (n < 0) ? 1 : 0;  // after the sign
  WString out = digits.substr(0, first);
  for (size_t i = first; i < digits.size(); ++i) {
    if (i > first && (digits.size() - i) % 3 == 0) out += mark;
    out += digits[i];
  }
  return out;
}

namespace {

WString EnglishOrdinal(int n) {
  const int tens = (n / 10) % 10, last = n % 10;
  const char32_t* suffix = U"th";
  if (tens != 1 && last == 1) suffix = U"st";
  if (tens != 1 && last == 2) suffix = U"nd";
  if (tens != 1 && last == 3) suffix = U"rd";
  return NumberText(n) + suffix;
}

// The languages that write positions in a way of their own, by code.
struct OrdinalRule {
  const char* code;
  WString (*write)(int n);
};
constexpr OrdinalRule kOrdinalRules[] = {{"en", EnglishOrdinal}};

}  // namespace

WString Ordinal(int lang, int n) {
  for (const OrdinalRule& rule : kOrdinalRules)
    if (std::strcmp(rule.code, LanguageCode(lang)) == 0) return rule.write(n);
  return NumberText(n);
}

int MapScriptPos(const WString& from, const WString& to, int pos) {
  if (pos < 1) return pos;
  const size_t at = std::min(size_t(pos - 1), from.size());  // 0-based
  if (at >= from.size()) return int(to.size()) + 1;
  // The codes before the position, and the last of them.
  size_t codes = 0;
  for (size_t i = 0; i < at; ++i)
    if (IsCodeStart(from, i)) ++codes;
  const size_t fromStart = codes == 0 ? 0 : NthHash(from, codes);
  const size_t toStart = codes == 0 ? 0 : NthHash(to, codes);
  // Right after the same code (or in it), or where the same text is typed:
  // the same distance from that code.
  const size_t span = at - fromStart;
  if (toStart + span <= to.size() && to.compare(toStart, span, from, fromStart, span) == 0)
    return int(toStart + span) + 1;
  // In the middle of a text: on at the code that ends it.
  return int(NthHash(to, codes + 1)) + 1;
}

void SetLanguage(Form1& f, int16_t lang) {
  GameState& gs = f.gs;
  if (lang < 0 || lang >= LanguageCount()) return;
  const WString oldScript = gs.scriptText;
  gs.language = lang;
  InitCastNames(gs);
  InitScripts(gs);
  initItemCatalogue(gs);
  ShowYesNoPictures(f);

  // A script that is running goes on in the new language's script.
  const int speaker = gs.scriptSpeaker;
  if (gs.dialogueState > 0 && !oldScript.empty() && speaker >= 0 && speaker < kCastCount) {
    const WString& script = gs.scriptTable[size_t(speaker)];
    const int pos = MapScriptPos(oldScript, script, gs.scriptPos);
    const int pageStart = MapScriptPos(oldScript, script, gs.pageStartPos);
    gs.scriptText = script;
    gs.scriptPos = static_cast<i16>(pos);
    gs.pageStartPos = static_cast<i16>(pageStart);
    // The page now up, written again in the new words.
    WString page;
    if (!gs.messageText.empty() && RewritePage(gs, speaker, pageStart, pos, page))
      gs.messageText = page;
  }
  if (gs.GameMode == kModeTitle || gs.drawRanking == 1 || gs.drawStatus == 1) plat::Refresh();
}

}  // namespace moki
