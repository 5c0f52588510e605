// Choosing the language, and carrying a running script over to the other
// language's script at the same place.
#include "story/language.h"

#include <cstring>

#include "items/item_catalogue.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "story/actions.h"
#include "story/cast_tables.h"
#include "story/script_text.h"

namespace moki {

namespace {

const LanguageTexts* const kLanguages[kLanguageCount] = {&kJapaneseTexts, &kEnglishTexts};
// What each language writes between the thousands of a large number: 15,000
// in English, the digits alone in Japanese.
const char32_t* const kThousandsMark[kLanguageCount] = {U"", U","};

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

const LanguageTexts& Texts(int lang) {
  return (lang >= 0 && lang < kLanguageCount) ? *kLanguages[lang] : kJapaneseTexts;
}

const char32_t* UiString(int lang, UiText id) {
  const int i = int(id);
  return (i >= 0 && i < int(UiText::Count)) ? Texts(lang).ui[size_t(i)] : U"";
}

int LanguageFromCode(const char* code) {
  if (!code) return -1;
  for (int lang = 0; lang < kLanguageCount; ++lang)
    if (std::strcmp(kLanguages[lang]->code, code) == 0) return lang;
  return -1;
}

WString FillIn(const char32_t* pattern,
               std::initializer_list<std::pair<char32_t, WString>> values) {
  WString out;
  const WString p = pattern ? pattern : U"";
  for (size_t i = 0; i < p.size(); ++i) {
    if (p[i] == U'{' && i + 2 < p.size() && p[i + 2] == U'}') {
      const WString* value = nullptr;
      for (const auto& v : values)
        if (v.first == p[i + 1]) value = &v.second;
      if (value) {
        out += *value;
        i += 2;
        continue;
      }
    }
    out += p[i];
  }
  return out;
}

WString AmountText(const GameState& gs, long long n) {
  const WString digits = NumberText(n);
  const bool known = gs.language >= 0 && gs.language < kLanguageCount;
  const WString mark = known ? kThousandsMark[gs.language] : U"";
  if (mark.empty()) return digits;
  const size_t first = (n < 0) ? 1 : 0;  // after the sign
  WString out = digits.substr(0, first);
  for (size_t i = first; i < digits.size(); ++i) {
    if (i > first && (digits.size() - i) % 3 == 0) out += mark;
    out += digits[i];
  }
  return out;
}

WString Ordinal(int n) {
  const int tens = (n / 10) % 10, last = n % 10;
  const char32_t* suffix = U"th";
  if (tens != 1 && last == 1) suffix = U"st";
  if (tens != 1 && last == 2) suffix = U"nd";
  if (tens != 1 && last == 3) suffix = U"rd";
  return NumberText(n) + suffix;
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
  if (lang < 0 || lang >= kLanguageCount) return;
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
