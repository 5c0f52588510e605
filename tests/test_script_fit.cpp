// Every language's scripts: the same codes as the Japanese ones, every page
// of every script laid out in the message box with the game's font and the
// widest texts the codes can write, and the screens without overlapping text.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/internal.h"
#include "platform/text.h"
#include "shell/window_events.h"
#include "story/cast_tables.h"
#include "story/catalogue.h"
#include "story/item_catalogue.h"
#include "story/language.h"
#include "story/screens.h"
#include "test_support.h"

namespace moki {
namespace {

using std::u32string;
constexpr size_t npos = u32string::npos;
constexpr int kBearHost = 22;  // speaks in a room, where "#K" takes no operand

u32string TemplateText(const char* key) {
  for (size_t i = 0; i < kTemplateCatalogue.count; ++i)
    if (std::string(kTemplateCatalogue.entries[i].key) == key)
      return kTemplateCatalogue.entries[i].source;
  return U"(not in the template)";
}

GameState Tables(int lang) {
  GameState gs;
  gs.language = static_cast<i16>(lang);
  InitMapCast(gs);
  InitCastNames(gs);
  InitScripts(gs);
  initItemCatalogue(gs);
  return gs;
}

// One code of a script: "#", the code character and its operands (labels
// included), where it starts and where the script goes on after it.
struct Code {
  u32string text;
  size_t pos, next;
};

size_t OperandCount(const u32string& s, size_t i, bool room) {
  return size_t(moki::OperandCount(s[i + 1], room, i + 2 < s.size() ? s[i + 2] : U'\0'));
}

std::vector<Code> Codes(const u32string& s, bool room) {
  std::vector<Code> codes;
  for (size_t i = 0; i + 1 < s.size();) {
    if (s[i] != U'#') {
      ++i;
      continue;
    }
    const size_t end = std::min(s.size(), i + 2 + OperandCount(s, i, room));
    codes.push_back({s.substr(i, end - i), i, end});
    i = end;
  }
  return codes;
}

std::string Utf8(const u32string& s) {
  return plat::ToUtf8(s);
}

// Line breaks are each language's own; every other code is the game's.
std::vector<Code> GameCodes(const u32string& s, bool room) {
  std::vector<Code> codes = Codes(s, room);
  std::erase_if(codes, [](const Code& c) { return c.text == U"#,"; });
  return codes;
}

TEST(Languages, EveryLanguageHasTheJapaneseCodesInTheJapaneseOrder) {
  const GameState ja = Tables(kLangJapanese);
  for (int lang = 1; lang < LanguageCount(); ++lang) {
    const GameState other = Tables(lang);
    for (int sp = 0; sp < kCastCount; ++sp) {
      SCOPED_TRACE("language " + std::to_string(lang) + ", speaker " + std::to_string(sp));
      std::vector<Code> a = GameCodes(ja.scriptTable[sp], sp == kBearHost);
      std::vector<Code> b = GameCodes(other.scriptTable[sp], sp == kBearHost);
      ASSERT_EQ(a.size(), b.size());
      for (size_t k = 0; k < a.size(); ++k)
        ASSERT_EQ(Utf8(a[k].text), Utf8(b[k].text)) << "code " << k;
      EXPECT_EQ(ja.scriptTable[sp].empty(), other.scriptTable[sp].empty());
    }
    // Every translation was made from the game's Japanese text of today: one
    // made from an older text is not used, and shows as Japanese here.
    const Catalogue& c = kCatalogues[lang - 1];
    for (size_t i = 0; i < c.count; ++i)
      EXPECT_EQ(Utf8(c.entries[i].source), Utf8(TemplateText(c.entries[i].key)))
          << c.entries[i].key;
    // And the same game: the prices stay.
    EXPECT_EQ(ja.itemPrice, other.itemPrice);
  }
  // The texts of every catalogue hold no Japanese.
  for (int lang = 1; lang < LanguageCount(); ++lang) {
    const GameState en = Tables(lang);
    const auto japanese = testing_support::HasJapanese;
    for (int sp = 0; sp < kCastCount; ++sp) {
      EXPECT_FALSE(japanese(en.scriptTable[sp])) << "speaker " << sp;
      EXPECT_FALSE(japanese(en.castNames[sp])) << sp;
    }
    for (int i = 0; i < kItemCount; ++i)
      EXPECT_FALSE(japanese(en.itemName[i] + en.itemDescription[i])) << "item " << i;
    // Nor do the window's words (but 日本語, named in its own words), the key
    // screen's or what is told of the save.
    const LanguageTexts& t = Texts(lang);
    for (size_t u = 0; u < t.ui.size(); ++u)
      EXPECT_TRUE(UiText(u) == UiText::LanguageJapanese || !japanese(t.ui[u])) << Utf8(t.ui[u]);
    const KeyScreenTexts& k = t.keyScreen;
    for (const char32_t* w : {k.title, k.help, k.waiting, k.changed, k.notSaved, k.unchanged,
                              k.taken, k.reserved, k.escape, k.pressAnother})
      EXPECT_FALSE(japanese(w)) << Utf8(w);
    for (size_t i = 0; i < k.labels.size(); ++i)
      EXPECT_FALSE(japanese(u32string(k.labels[i]) + k.actions[i])) << i;
    for (const char32_t* w : t.saveTexts) EXPECT_FALSE(japanese(w)) << Utf8(w);
    for (const char32_t* w : t.saveParts) EXPECT_FALSE(japanese(w)) << Utf8(w);
  }

  // Sums of money: English marks the thousands; Japanese writes the digits
  // alone, as it always has.
  const GameState en = Tables(kLangEnglish);
  EXPECT_EQ(Utf8(AmountText(en, 999)), "999");
  EXPECT_EQ(Utf8(AmountText(en, 15000)), "15,000");
  EXPECT_EQ(Utf8(AmountText(en, 2000000000)), "2,000,000,000");
  EXPECT_EQ(Utf8(AmountText(en, -1500)), "-1,500");
  EXPECT_EQ(Utf8(AmountText(ja, 2000000000)), "2000000000");
}

// The template (po/mokimoki.pot) holds every text the game reads from the
// catalogues, each as the game's Japanese text, and nothing else.
TEST(Languages, TheTemplateHoldsEveryJapaneseTextAsTheGameHasIt) {
  std::map<std::string, u32string> used;
  for (size_t i = 0; i < kJapaneseTextCount; ++i)
    used[kJapaneseTexts[i].key] = kJapaneseTexts[i].text;
  for (int sp = 0; sp < kCastCount; ++sp)
    for (const ScriptPieces& pieces : {StoryScriptPieces(sp), ChatterScriptPieces(sp)})
      for (const ScriptPiece& p : pieces) used[p.key] = p.text;
  const GameState ja = Tables(kLangJapanese);
  for (int i = 0; i < kItemCount; ++i) {
    const std::string key = (i < 10 ? "item.0" : "item.") + std::to_string(i);
    used[key + ".name"] = ja.itemName[i];
    used[key + ".description"] = ja.itemDescription[i];
  }
  std::erase_if(used, [](const auto& u) { return u.second.empty(); });
  ASSERT_EQ(kTemplateCatalogue.count, used.size());
  for (size_t i = 0; i < kTemplateCatalogue.count; ++i) {
    const CatalogueEntry& e = kTemplateCatalogue.entries[i];
    ASSERT_EQ(used.count(e.key), 1u) << e.key;
    EXPECT_EQ(Utf8(e.source), Utf8(used[e.key])) << e.key;
  }
}

// ---------------------------------------------------------------------------
// Every page any conversation can show, with the widest value every code can
// write; the explanations of items and abilities give one page each.

constexpr char32_t kItemText = U'\uE000';
constexpr char32_t kAbilityText = U'\uE001';

u32string Widest(const std::vector<u32string>& texts) {
  u32string best;
  for (const u32string& t : texts)
    if (plat::TextWidth(t, plat::FontKind::Regular) >
        plat::TextWidth(best, plat::FontKind::Regular))
      best = t;
  return best;
}

std::set<u32string> AllPages(const GameState& gs, int speaker) {
  const LanguageTexts& t = Texts(gs);
  const u32string& s = gs.scriptTable[speaker];
  const bool room = speaker == kBearHost;
  const bool indented = !(speaker == 2 || speaker == 3 || speaker == 19 || speaker == kBearHost);
  const u32string breakText = indented ? u32string(U"\r\n") + t.lineIndent : U"\r\n";

  std::vector<u32string> leagueNames(gs.castNames.begin() + 4, gs.castNames.begin() + 13);
  std::vector<u32string> teamNames(gs.castNames.begin() + 2, gs.castNames.begin() + 22);
  std::vector<u32string> itemNames(gs.itemName.begin() + 1, gs.itemName.end());
  std::vector<u32string> abilities(t.abilityNames.begin(), t.abilityNames.end());
  const u32string itemName = room ? Widest(abilities) : Widest(itemNames);
  const u32string team = Widest(teamNames);
  std::vector<u32string> ranks;
  for (int r = 1; r <= 10; ++r) ranks.push_back(NumberText(r));
  std::vector<u32string> ordinals;
  for (int r = 1; r <= 10; ++r) ordinals.push_back(Ordinal(kLangEnglish, r));
  const std::map<u32string, u32string> written = {
      {U"P", U"10"},
      {U"N", U"10"},
      {U"O", FillIn(t.opponent, {{U"rank", Widest(ranks)},
                                 {U"ordinal", Widest(ordinals)},
                                 {U"name", Widest(leagueNames)}})},
      {U"IN", itemName},
      {U"IM", room ? itemName : AmountText(gs, 10500)},
      {U"IK", room ? itemName : U"14"},
      {U"U3", FillIn(t.pair, {{U"first", team}, {U"second", team}})},
      {U"XP0", u32string(1, kItemText)},
      {U"XP1", u32string(1, kItemText)},
      {U"XP2", u32string(1, kItemText)},
      {U"XK", u32string(1, kAbilityText)}};

  std::map<size_t, size_t> codeAt;
  std::vector<Code> codes = Codes(s, room);
  for (size_t k = 0; k < codes.size(); ++k) codeAt[codes[k].pos] = k;
  auto target = [&](char32_t label) {
    size_t at = s.find(u32string{U'#', label});
    return at == npos ? s.size() : at + 2;
  };

  std::set<u32string> pages;
  std::set<std::pair<size_t, u32string>> seen;
  std::vector<std::pair<size_t, u32string>> todo = {{0, U""}};
  while (!todo.empty()) {
    auto [pos, page] = todo.back();
    todo.pop_back();
    if (!seen.insert({pos, page}).second) continue;
    for (bool open = true; open;) {
      if (pos >= s.size()) {
        if (!page.empty()) pages.insert(page);
        break;
      }
      if (s[pos] != U'#') {
        page += s[pos++];
        continue;
      }
      const Code& c = codes[codeAt.at(pos)];
      pos = c.next;
      const char32_t k = c.text[1];
      auto w = written.find(c.text.substr(1));
      if (w != written.end()) page += w->second;
      switch (k) {
        case U',':
          page += breakText;
          break;
        case U'.':
          pages.insert(page);
          page.clear();
          break;
        case U'G':
          pos = target(c.text[2]);
          break;
        case U'?':
        case U'C':
          if (!page.empty()) pages.insert(page);
          todo.push_back({target(c.text[2]), U""});
          todo.push_back({target(c.text[3]), U""});
          open = false;
          break;
        case U'A':
          for (char32_t d = U'0'; d <= c.text[2]; ++d) todo.push_back({target(d), U""});
          open = false;
          break;
        default:
          break;
      }
    }
  }
  std::set<u32string> expanded;
  for (const u32string& page : pages) {
    const size_t item = page.find(kItemText), ability = page.find(kAbilityText);
    if (item != npos) {
      for (int i = 0; i < kItemCount; ++i) {
        u32string text = FillIn(
            t.itemExplained, {{U"item", gs.itemName[i]}, {U"explanation", gs.itemDescription[i]}});
        expanded.insert(u32string(page).replace(item, 1, text));
      }
    } else if (ability != npos) {
      for (const char32_t* text : t.abilityTexts)
        expanded.insert(u32string(page).replace(ability, 1, text));
    } else {
      expanded.insert(page);
    }
  }
  return expanded;
}

TEST(Languages, EveryPageOfEveryScriptFitsTheMessageBox) {
  std::string err;
  ASSERT_TRUE(plat::InitFonts(err)) << err;
  for (int lang = 0; lang < LanguageCount(); ++lang) {
    const GameState gs = Tables(lang);
    ASSERT_FALSE(gs.itemDescription[24].empty()) << "language " << lang << ": no item catalogue";
    size_t total = 0;
    for (int sp = 1; sp < kCastCount; ++sp) {
      const std::set<u32string> pages = AllPages(gs, sp);
      // The explorer must reach the long talks: all the rules, every item.
      const size_t least = sp == 19 ? 19u : sp == 16 ? size_t(kItemCount) : 1u;
      EXPECT_GE(pages.size(), least) << "speaker " << sp;
      total += pages.size();
      for (const u32string& page : pages) {
        const std::vector<u32string> lines = plat::LayoutLabel(page, kLabelWidth);
        EXPECT_LE(int(lines.size()), kLabelMaxLines)
            << "language " << lang << ", speaker " << sp << ", " << lines.size() << " lines:\n"
            << Utf8(page);
        if (lang == kLangJapanese) {
          // Japanese keeps its breaks between characters, as it always had.
          EXPECT_EQ(lines, plat::LayoutLabel(page, kLabelWidth, plat::FontKind::Regular, false))
              << Utf8(page);
        } else {
          // Other languages break between words: a line cut inside a word
          // is only one whose word alone is wider than the box.
          for (size_t k = 0; k + 1 < lines.size(); ++k) {
            if (lines[k].empty() || lines[k + 1].empty()) continue;
            const auto inWord = [](char32_t c) { return c > U' ' && (c < 0x2E80 || c > 0xFFEF); };
            const bool cut = inWord(lines[k].back()) && inWord(lines[k + 1].front()) &&
                             page.find(lines[k] + lines[k + 1].front()) != npos;
            EXPECT_FALSE(cut && lines[k].find(U' ') != npos) << Utf8(lines[k]);
          }
        }
      }
    }
    EXPECT_GT(total, 150u) << "language " << lang;
  }
}

// ---------------------------------------------------------------------------
// The ranking and status screens with their widest contents: every text
// inside the window and none over another.

struct Printed {
  int x, y;
  u32string text;
  plat::Color c;
};

void ExpectApart(const std::vector<Printed>& printed, const char* screen) {
  for (size_t i = 0; i < printed.size(); ++i) {
    const Printed& a = printed[i];
    const int aw = plat::TextWidth(a.text, plat::FontKind::Bold);
    EXPECT_LE(a.x + aw, plat::kPlayW) << screen << ": " << Utf8(a.text);
    for (size_t j = i + 1; j < printed.size(); ++j) {
      const Printed& b = printed[j];
      const int bw = plat::TextWidth(b.text, plat::FontKind::Bold);
      const bool apart = a.x + aw <= b.x || b.x + bw <= a.x || a.y + 16 <= b.y || b.y + 16 <= a.y;
      EXPECT_TRUE(apart) << screen << ": \"" << Utf8(a.text) << "\" and \"" << Utf8(b.text) << "\"";
    }
  }
}

TEST(Languages, TheScreensShowTheirWidestContentsWithoutOverlap) {
  for (int lang = 0; lang < LanguageCount(); ++lang) {
    auto f = testing_support::MakeForm();
    GameState& gs = f->gs;
    SetLanguage(*f, static_cast<i16>(lang));
    std::vector<Printed> printed;
    plat::SetPrintObserver([&](int x, int y, const u32string& text, plat::Color c) {
      printed.push_back({x, y, text, c});
    });
    // The longest names of the league, the longest records.
    const std::vector<int> teams = {0, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    int widest = 4;
    for (int c : teams)
      if (plat::TextWidth(gs.castNames[c], plat::FontKind::Bold) >
          plat::TextWidth(gs.castNames[widest], plat::FontKind::Bold))
        widest = c;
    for (int k = 1; k <= 10; ++k) gs.rankOrder[k] = static_cast<i16>(widest);
    gs.roundNumber = 14;
    gs.winsByCast[size_t(widest)] = 13;
    DrawRanking(*f);
    ExpectApart(printed, "ranking");
    EXPECT_EQ(printed.size(), 30u);

    // Status: the longest item names on all three keys, every ability.
    printed.clear();
    int longItem = 1;
    for (int i = 1; i < kItemCount; ++i)
      if (plat::TextWidth(gs.itemName[i], plat::FontKind::Bold) >
          plat::TextWidth(gs.itemName[longItem], plat::FontKind::Bold))
        longItem = i;
    for (int s = 0; s < 3; ++s) {
      gs.slotItem[s] = static_cast<i16>(longItem);
      gs.slotCount[longItem][s] = 14;
    }
    gs.specialAbilities = {1, 1, 1};
    gs.money = 2000000000;
    gs.motivated = 0;
    gs.winsByCast[0] = 13;
    DrawStatus(*f);
    std::vector<Printed> white;  // the text itself, not its shadow
    for (const Printed& p : printed)
      if (p.c == plat::kWhite) white.push_back(p);
    ExpectApart(white, "status");
    EXPECT_EQ(white.size(), 12u);
    plat::SetPrintObserver(nullptr);
  }
}

// Every message box the game can show, in every language, with the longest
// details the system can give: the whole text is in the box, and a short one
// keeps the box's own size.
TEST(Languages, EveryMessageBoxShowsItsWholeText) {
  std::string err;
  ASSERT_TRUE(plat::InitFonts(err)) << err;
  const u32string reason =
      U"/home/a-player-with-a-long-name/.local/share/mokimoki/save.json: Permission denied";
  for (int lang = 0; lang < LanguageCount(); ++lang) {
    const LanguageTexts& t = Texts(lang);
    auto say = [&](SaveText k, FillIns v = {}) { return FillIn(t.saveTexts[size_t(k)], v); };
    std::vector<std::tuple<u32string, u32string, std::vector<u32string>>> boxes;  // and buttons
    std::vector<u32string> whys = {say(SaveText::Empty),
                                   say(SaveText::CutOff),
                                   say(SaveText::Malformed, {{U"byte", U"262144"}}),
                                   say(SaveText::TooBig),
                                   say(SaveText::NotASave),
                                   say(SaveText::Newer, {{U"version", U"1099511627776"}}),
                                   say(SaveText::Unknown),
                                   say(SaveText::Unreadable, {{U"why", reason}})};
    for (const char32_t* part : t.saveParts)
      for (SaveText k : {SaveText::Missing, SaveText::BadValue})
        whys.push_back(say(k, {{U"part", part}}));
    const u32string kept[] = {
        say(SaveText::KeptAsBad, {{U"file", U"save.json.bad"}}),
        say(SaveText::NotKept, {{U"file", U"save.json.bad"}, {U"why", reason}})};
    for (const u32string& why : whys)
      for (const u32string& k : kept)
        boxes.push_back({say(SaveText::CannotRead) + U"\n" + why + U"\n" + k, t.saveTexts[0], {}});
    boxes.push_back({say(SaveText::NoSave), t.saveTexts[0], {}});
    boxes.push_back({say(SaveText::CannotWrite, {{U"why", reason}}), t.saveTexts[0], {}});
    for (const char32_t* caption : {t.resultDraw, t.resultWin, t.resultLoss})
      boxes.push_back({U"99-99", caption, {}});
    // The question at スタート over a newer game's save, with its yes and no.
    boxes.push_back({say(SaveText::StartOverNewer, {{U"version", U"1099511627776"}}),
                     t.saveTexts[0],
                     {t.ui[size_t(UiText::Yes)], t.ui[size_t(UiText::No)]}});
    for (const auto& [text, caption, buttons] : boxes) {
      const plat::internal::MessageBoxShape b =
          plat::internal::MessageBoxLayout(text, caption, buttons);
      // Each button holds its words, side by side in the box under the text.
      for (size_t i = 0; i < b.buttons.size(); ++i)
        EXPECT_TRUE(plat::TextWidth(b.buttonTexts[i], plat::FontKind::Bold) + 8 <= b.buttons[i].w &&
                    b.buttons[i].x > (i ? b.buttons[i - 1].x + b.buttons[i - 1].w : b.x) &&
                    b.buttons[i].x + b.buttons[i].w < b.x + b.w &&
                    b.buttons[i].y >= b.y + 34 + 18 * b.shownLines)
            << Utf8(b.buttonTexts[i]);
      EXPECT_LE(int(b.lines.size()), b.shownLines) << "language " << lang << ": " << Utf8(text);
      for (const u32string& line : b.lines)
        EXPECT_LE(plat::TextWidth(line, plat::FontKind::Regular), b.textW) << Utf8(line);
      EXPECT_LE(plat::TextWidth(caption, plat::FontKind::Bold) + 16, b.w) << Utf8(caption);
      EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= plat::kPlayW && b.y + b.h <= plat::kPlayH);
      if (text == U"99-99" || (lang == kLangJapanese && text == say(SaveText::NoSave))) {
        EXPECT_TRUE(b.w == 280 && b.h == 128) << Utf8(text);
      }
    }
  }
}

}  // namespace
}  // namespace moki
