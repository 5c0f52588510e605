// The cast tables and the dialogue scripts: every script must read cleanly in
// the script language, keep the lines the game depends on and branch the way
// the story needs. Every page's fit in the message box, Japanese (language 0)
// among the others, is test_script_fit.cpp's.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "story/catalogue.h"
#include "platform/text.h"
#include "core/game_state.h"
#include "story/cast_tables.h"
#include "story/item_catalogue.h"
#include "story/scripts.h"

namespace moki {
namespace {

using std::u32string;
constexpr size_t npos = u32string::npos;
constexpr int kBearHost = 22;  // speaks in a room, where "#K" takes no operand

std::string Utf8(const u32string& s) {
  return plat::ToUtf8(s);
}

GameState Tables() {
  GameState gs;
  InitMapCast(gs);
  InitCastNames(gs);
  InitScripts(gs);
  initItemCatalogue(gs);
  return gs;
}

// ---------------------------------------------------------------------------
// Reading a script the way the interpreter does.

const u32string kCodeChars = U",.?GARSPNOBZICKMVUXY";
bool IsCode(char32_t c) {
  return kCodeChars.find(c) != npos;
}
bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}
bool IsLabelChar(char32_t c) {
  return (c >= U'0' && c <= U'8') || (c >= U'a' && c <= U'p') || c == U'E';
}

struct Token {
  enum Kind { kText, kCode, kLabel } kind;
  char32_t ch;        // the text character, code character or label character
  u32string operand;  // the operands a code consumes
  size_t pos;         // index of the character, or of the "#"
  size_t next;        // index after the token
};

struct Parsed {
  std::vector<Token> tokens;
  std::vector<std::string> errors;
};

Parsed Parse(const u32string& s, int speaker) {
  Parsed p;
  const bool room = speaker == kBearHost;
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] != U'#') {
      p.tokens.push_back({Token::kText, s[i], U"", i, i + 1});
      ++i;
      continue;
    }
    if (i + 1 >= s.size()) {
      p.errors.push_back("a lone # at the end");
      break;
    }
    const char32_t k = s[i + 1];
    if (!IsCode(k)) {
      if (!IsLabelChar(k)) p.errors.push_back("unknown label #" + Utf8(u32string(1, k)));
      p.tokens.push_back({Token::kLabel, k, U"", i, i + 2});
      i += 2;
      continue;
    }
    // Its operand characters.
    const size_t len = size_t(moki::OperandCount(k, room, i + 2 < s.size() ? s[i + 2] : U'\0'));
    if (i + 2 + len > s.size()) {
      p.errors.push_back("code #" + Utf8(u32string(1, k)) + " runs past the end");
      break;
    }
    u32string op = s.substr(i + 2, len);
    std::string where = std::string("#").append(Utf8(u32string(1, k) + op));
    switch (k) {
      case U'A':
      case U'Z':
      case U'U':
      case U'Y':
        if (!IsDigit(op[0])) p.errors.push_back(where + ": operand is not a digit");
        break;
      case U'K':
        if (!room && !(op[0] >= U'0' && op[0] <= U'2')) p.errors.push_back(where + ": no key 0..2");
        break;
      case U'I':
        if (op != U"N" && op != U"M" && op != U"K") p.errors.push_back(where + ": not N, M or K");
        break;
      case U'X':
        if (!(op == U"K" || (op.size() == 2 && op[1] >= U'0' && op[1] <= U'2')))
          p.errors.push_back(where + ": not P0..P2 or K");
        break;
      default:
        break;
    }
    p.tokens.push_back({Token::kCode, k, op, i, i + 2 + len});
    i += 2 + len;
  }
  return p;
}

// Where a jump to the label lands: after the first "#" + label, as the
// interpreter searches; past the end when there is none.
size_t LabelTarget(const u32string& s, char32_t label) {
  size_t at = s.find(u32string{U'#', label});
  return at == npos ? s.size() : at + 2;
}

// Label characters that a code jumps to.
std::vector<char32_t> JumpLabels(const Token& t) {
  if (t.kind != Token::kCode) return {};
  if (t.ch == U'G') return {t.operand[0]};
  if (t.ch == U'?' || t.ch == U'C') return {t.operand[0], t.operand[1]};
  return {};
}

// The highest entry of each speaker that dispatches on its conversation state.
const std::map<int, int> kHighestEntry = {
    {2, 8},  {3, 1},  {4, 3},  {5, 2},  {6, 2},  {7, 2},  {8, 5},  {9, 2},  {10, 6}, {11, 2},
    {12, 2}, {13, 1}, {14, 1}, {15, 4}, {17, 5}, {18, 1}, {20, 3}, {21, 1}, {22, 3}};

TEST(ScriptTables, EveryScriptReadsCleanly) {
  GameState gs = Tables();
  EXPECT_TRUE(gs.scriptTable[0].empty());
  for (int sp = 1; sp < kCastCount; ++sp) {
    SCOPED_TRACE("speaker " + std::to_string(sp));
    const u32string& s = gs.scriptTable[sp];
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s.substr(s.size() - 2), U"#E");
    Parsed p = Parse(s, sp);
    for (const std::string& e : p.errors) ADD_FAILURE() << e;

    std::set<char32_t> codes, labels, targets;
    for (const Token& t : p.tokens) {
      if (t.kind == Token::kCode) codes.insert(t.ch);
      if (t.kind == Token::kLabel) {
        EXPECT_TRUE(labels.insert(t.ch).second) << "label #" << Utf8({t.ch}) << " twice";
      }
      for (char32_t l : JumpLabels(t)) targets.insert(l);
    }
    for (char32_t l : labels) EXPECT_EQ(codes.count(l), 0u) << "label = code " << Utf8({l});
    // Every jump lands right behind a label, never inside a code.
    for (char32_t l : targets) {
      size_t at = s.find(u32string{U'#', l});
      ASSERT_NE(at, npos) << "no label #" << Utf8({l});
      bool isLabel = std::any_of(p.tokens.begin(), p.tokens.end(), [&](const Token& t) {
        return t.kind == Token::kLabel && t.pos == at;
      });
      EXPECT_TRUE(isLabel) << "#" << Utf8({l}) << " is first found inside a code";
    }
    // Every branch label is reached by some jump.
    for (char32_t l : labels) {
      bool branch = l >= U'a' && l <= U'p';
      EXPECT_TRUE(!branch || targets.count(l) == 1) << "unused #" << Utf8({l});
    }

    auto entries = kHighestEntry.find(sp);
    if (entries == kHighestEntry.end()) {
      EXPECT_EQ(codes.count(U'A'), 0u);
      continue;
    }
    ASSERT_FALSE(p.tokens.empty());
    const Token& first = p.tokens.front();
    ASSERT_TRUE(first.kind == Token::kCode && first.ch == U'A') << "the script must open with #A";
    EXPECT_EQ(first.operand[0], char32_t(U'0' + entries->second));
    for (char32_t d = U'0'; d <= U'8'; ++d) {
      bool inRange = int(d - U'0') <= entries->second;
      EXPECT_EQ(labels.count(d), inRange ? 1u : 0u) << "entry #" << Utf8({d});
    }
  }
}

TEST(ScriptTables, CastListsNamesAndPieces) {
  GameState gs = Tables();
  // Everyone but the two heroes stands in exactly one place; the bear's host
  // has the last room slot.
  std::vector<int> placed(gs.hallCastSlots.begin(), gs.hallCastSlots.end());
  placed.insert(placed.end(), gs.roomCastSlots.begin(), gs.roomCastSlots.end());
  std::sort(placed.begin(), placed.end());
  for (int k = 0; k < int(placed.size()); ++k) EXPECT_EQ(placed[k], k + 2);
  EXPECT_EQ(gs.roomCastSlots[7], kBearHost);

  EXPECT_TRUE(gs.castNames[kBearHost].empty());
  std::set<u32string> names(gs.castNames.begin(), gs.castNames.begin() + kBearHost);
  EXPECT_EQ(names.size(), size_t(kBearHost));
  EXPECT_EQ(gs.lineBreak, U"\r\n");

  // Long scripts are kept in pieces that join between entries or pages.
  for (int sp = 0; sp < kCastCount; ++sp) {
    ScriptPieces pieces = StoryScriptPieces(sp);
    ScriptPieces chatter = ChatterScriptPieces(sp);
    EXPECT_TRUE(pieces.empty() || chatter.empty());
    pieces.insert(pieces.end(), chatter.begin(), chatter.end());
    bool split = sp == 2 || sp == 4 || sp == 10 || sp == 19;
    EXPECT_EQ(pieces.size() >= 2 && pieces.size() <= 3, split) << "speaker " << sp;
    for (size_t k = 0; k + 1 < pieces.size(); ++k) {
      u32string end = pieces[k].text;
      u32string next = pieces[k + 1].text;
      bool betweenEntries = end.ends_with(U"#GE") && next.size() > 1 && IsDigit(next[1]);
      EXPECT_TRUE(betweenEntries || end.ends_with(U"#.")) << "speaker " << sp << " joint " << k;
    }
  }
}

// The first words of every speech of the chatterers, entry by entry.
const std::map<int, std::vector<u32string>> kChatter = {
    {4,
     {U"オーホッホ、オホホホホ", U"オホホホホ、話しかけずにはいられないのね",
      U"オホホホホ、わたくしの魅力にとりつかれたのですね",
      U"トリのくちばしをきつね色になるまで・・・ "}},
    {5, {U"いやいやいやいやぁー", U"心の師匠・・・", U"さすが心の師匠！"}},
    {6,
     {U"今日のために、自分の国から相棒をつれてきました", U"試合のときは脱ぎますよ",
      U"まだダメだ、まだダメだ"}},
    {7,
     {U"あのね、あのね、ぼくね、この大会で優勝してね",
      U"あのね、あのね、さっきの相手はね、すごく強かった",
      U"あのね、あのね、優勝するまでね、ボク帰れない"}},
    {8,
     {U"あいつ・・・、オレのことどう思ってるのかな・・・",
      U"どうしよう、今の関係のままのがいいのかな・・・",
      U"ちょっと１回、話し合いの場を持つか・・・", U"ああ・・・考えてても、らちがあかねえ",
      U"ああ・・・緊張する、酒の力を借りて・・・", U"フフフ、そんなに悩むことなかったんだ"}},
    {9,
     {U"オッス、よろしくお願いします", U"速さを追求するために髪の毛も切りました",
      U"これからももっともっと速さを追求するつもりです"}},
    {10,
     {U"おや、庶民の方々、これはどうも", U"はああ・・・ネコがうらやましい", U"・・・だ・・・・・",
      U"眼病や口内炎に注意、ばい菌に特に注意", U"恋のライバルが出現",
      U"タダほど高いものはないと、思い知らされる",
      U"このオレ様がチャンピオンになれないなんて・・・"}},
    {11,
     {U"フォッフォッフォ、おぬしらも出場者か",
      U"フォッフォッフォッ、ボールが壊れてしまうかもしれんのう", U"ボールを強く打つことよりも"}},
    {12, {U"・・・・・", U"プッ", U"チッ・・・"}},
    {13, {U"ああ、優雅さまにもっとお仕置きされたい", U"もうだれでもいい・・・"}},
    {14, {U"ワン！ギャルルル・・・", U"ブラン！ココココ・・・"}},
    {15,
     {U"コンニチワ、ホントニスミマセン", U"ミナイデクダサイ", U"ヤサシクシテクダサイ",
      U"カエラセテクダサイ", U"ミテミヌフリシテクダサイ"}},
    {17,
     {U"今回も先輩にナイスパスをおーくろ", U"なんか最近、先輩元気ないな", U"悩み事でもあんのかな",
      U"なんか先輩に無視されてる気が・・・", U"なんか今日はいいことがありそう",
      U"ドキドキ・・・、まさか・・・"}},
    {18, {U"ふみゃー！(鳴き声)", U"ひゃっほい！ひゃっほい！(鳴き声)"}},
    {20,
     {U"どうでもいいっすよ", U"そのへんに置いといてくれればいいっすよ・・・",
      U"待たしときゃあいいんだよ", U"ぼくなんか祭りの露店で売られてましたから・・・"}},
    {21, {U"ジディーさんは（性格はイヤなやつだが）実力はあるぜぇ", U"下克上だ"}},
};

TEST(ScriptTables, ChatterIsOneSpeechPerEntry) {
  GameState gs = Tables();
  for (const auto& [sp, firstWords] : kChatter) {
    SCOPED_TRACE("speaker " + std::to_string(sp));
    const u32string& s = gs.scriptTable[sp];
    const int last = int(firstWords.size()) - 1;
    ASSERT_EQ(s.substr(0, 3), u32string(U"#A") + char32_t(U'0' + last));
    for (const Token& t : Parse(s, sp).tokens) {
      if (t.kind != Token::kCode) continue;
      EXPECT_TRUE(t.ch == U',' || t.ch == U'.' || (t.ch == U'G' && t.operand == U"E") ||
                  (t.ch == U'A' && t.pos == 0))
          << "code #" << Utf8(u32string(1, t.ch) + t.operand);
    }
    size_t at = 3;
    for (int j = 0; j <= last; ++j) {
      u32string label{U'#', char32_t(U'0' + j)};
      ASSERT_EQ(s.compare(at, 2, label), 0) << "entry " << j << " out of order";
      size_t end = j < last ? s.find(u32string{U'#', char32_t(U'1' + j)}, at) : s.size();
      ASSERT_NE(end, npos);
      u32string speech = s.substr(at + 2, end - at - 2);
      EXPECT_TRUE(speech.starts_with(gs.castNames[sp] + U"「" + firstWords[j])) << Utf8(speech);
      EXPECT_TRUE(speech.ends_with(j < last ? U"#GE" : U"#E")) << Utf8(speech);
      at = end;
    }
  }
  // インビ speaks in katakana alone.
  for (char32_t c : gs.scriptTable[15]) {
    bool katakana = c >= U'\u30A0' && c <= U'\u30FF';
    bool allowed = katakana || u32string(U"「、。！？#,.AGE012345").find(c) != npos;
    EXPECT_TRUE(allowed) << Utf8({c});
  }
}

// The lines the game and its story rely on, by speaker. A ／ stands for a
// line or page break between two lines.
const std::map<int, std::vector<u32string>> kQuoted = {
    {1,
     {U"モキモキ「くあ(主人公)、ついにこの日が来たね", U"がんばろう、くあ！#?ab",
      U"#aモキモキ「よし！行こう！#Y1#GE",
      U"モキモキ「「がんば」らないのかよ／「がんば」れよ！くあ！#Y0#E"}},
    {2,
     {U"受付「こちらは試合の受付です／まず現在のランキングを見ますか？",
      U"#R",
      U"試合を行いますか？",
      U"あなたは現在ランキング#P位です／第#N節の対戦相手は#Oさんです／試合を行いますか？",
      U"それではやる気が出たらまたお声をおかけください",
      U"優勝賞金の、１５０００ドールをお受け取りください#U4",
      U"受付｢それではわたしたちと試合を行いますか？",
      U"じゃあ準備(覚悟)でもしてきてください#U1",
      U"受付「これですべての試合が終了しました",
      U"あなたの順位は#P位です",
      U"ゲームオーバー！#U0",
      U"わたしたちと試合をする準備(覚悟)はできましたか？",
      U"挑戦を受けるのであれば、また声をかけてください#U2",
      U"受付「あーあ、やっぱりしょせんその程度か・・・／おわりー！ゲームオーヴァー！#U0",
      U"チャンピオンさん、#U3から挑戦状がとどいています／#U3と試合を行いますか？",
      U"おめでとうございます、また勝ちましたね",
      U"#U2",
      U"残念ですね(笑)／ついに負けてしまいましたか・・・／とにかくゲームオーヴァー！#U0",
      U"前衛と後衛どっちをやりますか？／前衛？",
      U"#Z1",
      U"じゃあ後衛？",
      U"#Z2",
      U"じゃあ監督？",
      U"#Z0",
      U"じゃあやっぱ前衛？",
      U"それではレッツ試合！#B#GE"}},
    {3,
     {U"サンタ「プレゼントを「売って」あげよう",
      U"#?ab",
      U"今回もいいものを仕入れましたよ、へへへ／なんと「#IN」が#IK個、お値段#IMドール／買うかい？",
      U"#Cde",
      U"いい品なんだけどなあ",
      U"つーか金足りないよ、金ためてまたきてよ",
      U"オーケイ、じゃあどのキーにつける？／つーか、その前にステータス画面を見るかい？",
      U"#S",
      U"Ｚキーにするかい？",
      U"Ｘキーにするかい？",
      U"Ｃキーにするかい？",
      U"#K0",
      U"#K1",
      U"#K2",
      U"オーケイ、Ｚキーに#INをつけたよ",
      U"オーケイ、Ｘキーに#INをつけたよ",
      U"オーケイ、Ｃキーに#INをつけたよ",
      U"じゃあもう買うのやめるか？",
      U"ほんとにやめちゃうのかよ／まじかよ、もういいよ",
      U"じゃあちゃんと決めてくれ／ステータス画面を見るか？",
      U"まいど#M",
      U"今回はもう売り切れ！"}},
    {16,
     {U"ピース「どうか君が持っているアイテムを説明させてくれ#?ab",
      U"ピース「ありがとう、ありがとう／えーと・・・／Ｚキーについてるのは／#XP0",
      U"Ｘキーについてるのは／#XP1", U"Ｃキーについてるのは／#XP2／ピース「ということです",
      U"ピース「ということです／ああ、説明ってやっぱいいな",
      U"ピース「そりゃそうだよな、こんな見ず知らずのやつに"}},
    {19,
     {U"ちょっと長いかもしれないけど、試合のルール説明聞く？#?ab", U"でしゃばってすみません",
      U"いやあ、長々とすみません／モキモキ「(ほんとに長いな・・・)"}},
    {22,
     {U"#A3", U"ここはヒミツのくまさん地下室だよ！／とっておきのアイテムほしい？",
      U"でも、ただではあげられないなあ／そこでだ、兄さんと勝負をしてそれに勝ったらあげましょう"
      U"／ちなみに料金は１００ドール／勝負する？",
      U"#Cde", U"この意気地なし！兄さんはなあ・・・", U"この貧乏人！",
      U"ルール説明はしなくていいよね？", U"(めんどくせえな・・・）",
      U"ルールは簡単！あなたは飛んでくる火の玉に当たったら負け", U"だけどアイテムは使えません",
      U"じゃあはじめるよ？", U"ヨーイドン！#V",
      U"はじめないのかよ！／流れ止めんなよ！／もう強制的にスタート",
      U"おめでとうございまーす／約束どおりとっておきのアイテム「#IN」をあげまーす#K／#XK"
      U"／やったね！これさえあれば１００人力だね！／ハハハ・・・",
      U"ざんねんでしたー！／兄さんの勝ちー！", U"お兄さーん！／なぜだあー！／ウッウッウ・・・"}},
};

TEST(ScriptTables, QuotedLinesStandVerbatim) {
  GameState gs = Tables();
  for (const auto& [sp, quotes] : kQuoted) {
    const u32string& s = gs.scriptTable[sp];
    for (const u32string& quote : quotes) {
      // Each part must be there, and the parts follow each other across one break.
      size_t at = 0;
      size_t from = 0;
      bool firstPart = true;
      while (true) {
        size_t slash = quote.find(U'／', from);
        u32string part = quote.substr(from, slash == npos ? npos : slash - from);
        size_t found = s.find(part, at);
        if (!firstPart && found != npos) {
          u32string gap = s.substr(at, found - at);
          EXPECT_TRUE(gap == U"#," || gap == U"#.") << "between parts of " << Utf8(quote);
        }
        EXPECT_NE(found, npos) << "speaker " << sp << " lacks " << Utf8(part);
        if (found == npos || slash == npos) break;
        at = found + part.size();
        from = slash + 1;
        firstPart = false;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// One conversation, followed with given answers. The transcript copies the
// text and marks "/" for a line break, "|" for a page end, "[?]" for a
// question, "[C+]"/"[C-]" for a money check, and "[" code "]" for each
// action code.

u32string Talk(const u32string& s, int speaker, int entry, std::vector<bool> answers,
               std::vector<bool> canPay = {}) {
  Parsed p = Parse(s, speaker);
  std::map<size_t, size_t> tokenAt;
  for (size_t k = 0; k < p.tokens.size(); ++k) tokenAt[p.tokens[k].pos] = k;
  u32string out;
  size_t pos = 0;
  size_t nextAnswer = 0, nextPay = 0;
  for (int steps = 0; pos < s.size() && steps < 20000; ++steps) {
    const Token& t = p.tokens[tokenAt.at(pos)];
    pos = t.next;
    if (t.kind == Token::kText) out += t.ch;
    if (t.kind != Token::kCode) continue;
    switch (t.ch) {
      case U',':
        out += U"/";
        break;
      case U'.':
        out += U"|";
        break;
      case U'G':
        pos = LabelTarget(s, t.operand[0]);
        break;
      case U'A':
        pos = LabelTarget(s, char32_t(U'0' + entry));
        break;
      case U'?':
        if (nextAnswer >= answers.size()) {
          ADD_FAILURE() << "more questions than answers";
          return out;
        }
        out += U"[?]";
        pos = LabelTarget(s, t.operand[answers[nextAnswer++] ? 0 : 1]);
        break;
      case U'C': {
        bool pays = nextPay < canPay.size() && canPay[nextPay++];
        out += pays ? U"[C+]" : U"[C-]";
        pos = LabelTarget(s, t.operand[pays ? 0 : 1]);
        break;
      }
      default:
        // (piece by piece: U"[" + ... is a false alarm of GCC 12's -Wrestrict)
        out += U'[';
        out += t.ch;
        out += t.operand + U"]";
    }
  }
  EXPECT_EQ(nextAnswer, answers.size()) << "answers left over";
  return out;
}

::testing::AssertionResult InOrder(const u32string& text, const std::vector<u32string>& parts) {
  size_t at = 0;
  for (const u32string& part : parts) {
    size_t found = text.find(part, at);
    if (found == npos)
      return ::testing::AssertionFailure()
             << Utf8(part) << " missing (in order) from " << Utf8(text);
    at = found + part.size();
  }
  return ::testing::AssertionSuccess();
}

bool Has(const u32string& text, const u32string& part) {
  return text.find(part) != npos;
}

TEST(ScriptFlow, ReceptionBooksTheLeagueMatch) {
  const u32string s = Tables().scriptTable[2];
  // No ranking, no match.
  u32string none = Talk(s, 2, 0, {false, false});
  EXPECT_FALSE(Has(none, U"[R]"));
  EXPECT_FALSE(Has(none, U"[B]"));
  EXPECT_TRUE(none.ends_with(U"それではやる気が出たらまたお声をおかけください"));
  // Turning down the second match question also ends the talk.
  EXPECT_FALSE(Has(Talk(s, 2, 0, {false, true, false}), U"[B]"));
  // The role choice: back, manager, and round again to the forward.
  EXPECT_TRUE(
      InOrder(Talk(s, 2, 0, {false, true, true, false, true}), {U"じゃあ後衛？", U"[Z2]", U"[B]"}));
  EXPECT_TRUE(InOrder(Talk(s, 2, 0, {false, true, true, false, false, true}),
                      {U"じゃあ監督？", U"[Z0]", U"[B]"}));
  u32string round = Talk(s, 2, 0, {false, true, true, false, false, false, false, false, true});
  EXPECT_TRUE(InOrder(
      round, {U"じゃあやっぱ前衛？[?]", U"じゃあ後衛？[?]", U"じゃあ監督？[?]", U"[Z0]", U"[B]"}));
  EXPECT_FALSE(Has(round, U"[Z1]"));
}

TEST(ScriptFlow, ReceptionFollowsTheStory) {
  const u32string s = Tables().scriptTable[2];
  // League won: the prize, then the final or its postponement.
  EXPECT_TRUE(InOrder(Talk(s, 2, 1, {true, true}), {U"[U4]", U"[?]", U"[Z1]", U"[B]"}));
  u32string later = Talk(s, 2, 1, {false});
  EXPECT_TRUE(InOrder(later, {U"[U4]", U"[U1]"}));
  EXPECT_FALSE(Has(later, U"[B]"));
  // The waiting final pays no prize again.
  EXPECT_TRUE(InOrder(Talk(s, 2, 3, {true, false, true}), {U"[Z2]", U"[B]"}));
  // The champion's turns (the endings are among the whole talks below).
  EXPECT_TRUE(Talk(s, 2, 4, {}).ends_with(U"[U2]"));
  EXPECT_TRUE(InOrder(Talk(s, 2, 6, {true, true}), {U"[U3]", U"[U3]", U"[Z1]", U"[B]"}));
}

TEST(ScriptFlow, SellerTakesMoneyOnlyForAnItemOnAKey) {
  const u32string s = Tables().scriptTable[3];
  // Can pay, skips the status screen, refuses Z, takes X.
  u32string bought = Talk(s, 3, 0, {true, true, false, false, true}, {true});
  EXPECT_TRUE(InOrder(bought, {U"[IN]", U"[IK]", U"[IM]", U"[C+]", U"Ｚキーにするかい？", U"[K1]",
                               U"オーケイ、Ｘキーに[IN]をつけたよ|まいど", U"[M]"}));
  EXPECT_FALSE(Has(bought, U"[S]"));
  // Three keys refused, then made to choose again with the status screen.
  u32string again = Talk(
      s, 3, 0, {true, true, false, false, false, false, false, true, false, false, true}, {true});
  EXPECT_TRUE(InOrder(again, {U"じゃあもう買うのやめるか？", U"じゃあちゃんと決めてくれ", U"[S]",
                              U"Ｚキーにするかい？", U"Ｘキーにするかい？", U"[K2]", U"[M]"}));
  // Three keys refused, then quits: nothing paid, nothing put on a key.
  u32string quit = Talk(s, 3, 0, {true, true, true, false, false, false, true}, {true});
  EXPECT_TRUE(InOrder(quit, {U"[S]", U"ほんとにやめちゃうのかよ"}));
  EXPECT_FALSE(Has(quit, U"[M]"));
  EXPECT_FALSE(Has(quit, U"[K"));
  // Saying no to the offer or to the price.
  EXPECT_TRUE(Talk(s, 3, 0, {false}).ends_with(U"いい品なんだけどなあ"));
  EXPECT_TRUE(Talk(s, 3, 0, {true, false}).ends_with(U"いい品なんだけどなあ"));
}

TEST(ScriptFlow, TheRulesTakeSeventeenPages) {
  GameState gs = Tables();
  // Seventeen pages of rules between the question and the apology.
  u32string rules = Talk(gs.scriptTable[19], 19, 0, {true});
  size_t from = rules.find(U"[?]");
  size_t to = rules.find(U"いやあ、長々とすみません");
  ASSERT_NE(from, npos);
  ASSERT_NE(to, npos);
  EXPECT_EQ(std::count(rules.begin() + long(from), rules.begin() + long(to), U'|'), 17);
  EXPECT_TRUE(InOrder(rules, {U"６０カウント", U"２点", U"１点", U"加速", U"ブレーキ",
                              U"Ｓｈｉｆｔ", U"赤い線", U"監督", U"１・２・３", U"Ｃｔｒｌ",
                              U"延長戦", U"×２００ドール", U"ワナ", U"やる気なしモード", U"黒"}));
}

TEST(ScriptFlow, BearHostSellsAGameAndPaysOut) {
  const u32string s = Tables().scriptTable[kBearHost];
  // Pays, hears the rules, starts.
  EXPECT_TRUE(
      InOrder(Talk(s, kBearHost, 0, {true, true, false, true}, {true}),
              {U"[C+]", U"(めんどくせえな・・・）", U"ルールは簡単！",
               U"だけどアイテムは使えません", U"じゃあはじめるよ？[?]", U"ヨーイドン！[V]"}));
  // No nerve: no game.
  for (const std::vector<bool>& answers :
       {std::vector<bool>{false}, std::vector<bool>{true, false}}) {
    u32string coward = Talk(s, kBearHost, 0, answers);
    EXPECT_TRUE(Has(coward, U"この意気地なし！"));
    EXPECT_FALSE(Has(coward, U"[C"));
  }
}

// Talks whose every line is set: nothing may be added to them. A "*" stands
// for one line in the game's own wording (followed by the codes that end it);
// "/" and "|" split lines as in a transcript.
struct WholeTalk {
  int speaker;
  int entry;
  std::vector<bool> answers;
  std::vector<bool> canPay;
  u32string lines;
};

const std::vector<WholeTalk> kWholeTalks = {
    {1,
     0,
     {true},
     {},
     U"モキモキ「くあ(主人公)、ついにこの日が来たね/*/*/がんばろう、くあ！[?]"
     U"モキモキ「よし！行こう！[Y1]"},
    {1,
     0,
     {false},
     {},
     U"モキモキ「くあ(主人公)、ついにこの日が来たね/*/*/がんばろう、くあ！[?]"
     U"モキモキ「「がんば」らないのかよ/「がんば」れよ！くあ！[Y0]"},
    {2,
     0,
     {true, true, true, true},
     {},
     U"受付「こちらは試合の受付です/まず現在のランキングを見ますか？[?][R]試合を行いますか？[?]"
     U"あなたは現在ランキング[P]位です/第[N]節の対戦相手は[O]さんです/試合を行いますか？[?]"
     U"前衛と後衛どっちをやりますか？/前衛？[?][Z1]それではレッツ試合！[B]"},
    {2,
     2,
     {},
     {},
     U"受付「これですべての試合が終了しました|[R]あなたの順位は[P]位です/*/*|ゲームオーバー！[U0]"},
    {2,
     3,
     {false},
     {},
     U"受付「わたしたちと試合をする準備(覚悟)はできましたか？[?]"
     U"じゃあ準備(覚悟)でもしてきてください[U1]"},
    {2,
     5,
     {},
     {},
     U"受付「あーあ、やっぱりしょせんその程度か・・・|おわりー！ゲームオーヴァー！[U0]"},
    {2,
     6,
     {false},
     {},
     U"受付「チャンピオンさん、[U3]から挑戦状がとどいています|[U3]と試合を行いますか？[?]"
     U"それではやる気が出たらまたお声をおかけください"},
    {2, 7, {}, {}, U"受付「おめでとうございます、また勝ちましたね/*/*[U2]"},
    {2,
     8,
     {},
     {},
     U"受付「残念ですね(笑)/ついに負けてしまいましたか・・・|とにかくゲームオーヴァー！[U0]"},
    {3,
     0,
     {true, true, true, true},
     {true},
     U"サンタ「プレゼントを「売って」あげよう[?]今回もいいものを仕入れましたよ、へへへ/"
     U"なんと「[IN]」が[IK]個、お値段[IM]ドール/買うかい？[?][C+]"
     U"オーケイ、じゃあどのキーにつける？/つーか、その前にステータス画面を見るかい？[?][S]"
     U"Ｚキーにするかい？[?][K0]オーケイ、Ｚキーに[IN]をつけたよ|まいど[M]"},
    {3,
     0,
     {true, true},
     {false},
     U"サンタ「プレゼントを「売って」あげよう[?]今回もいいものを仕入れましたよ、へへへ/"
     U"なんと「[IN]」が[IK]個、お値段[IM]ドール/買うかい？[?][C-]"
     U"つーか金足りないよ、金ためてまたきてよ"},
    {3, 1, {}, {}, U"サンタ「今回はもう売り切れ！"},
    {16,
     0,
     {true},
     {},
     U"ピース「どうか君が持っているアイテムを説明させてくれ[?]ピース「ありがとう、ありがとう/"
     U"えーと・・・|Ｚキーについてるのは/[XP0]|Ｘキーについてるのは/[XP1]|"
     U"Ｃキーについてるのは/[XP2]|ピース「ということです/ああ、説明ってやっぱいいな"},
    {16,
     0,
     {false},
     {},
     U"ピース「どうか君が持っているアイテムを説明させてくれ[?]"
     U"ピース「そりゃそうだよな、こんな見ず知らずのやつに/*"},
    {19,
     0,
     {false},
     {},
     U"ちょっと長いかもしれないけど、試合のルール説明聞く？[?]でしゃばってすみません"},
    {kBearHost,
     0,
     {true, true},
     {false},
     U"ここはヒミツのくまさん地下室だよ！/とっておきのアイテムほしい？[?]"
     U"でも、ただではあげられないなあ/そこでだ、兄さんと勝負をしてそれに勝ったらあげましょう/"
     U"ちなみに料金は１００ドール|勝負する？[?][C-]この貧乏人！/*"},
    {kBearHost,
     0,
     {true, true, true, false},
     {true},
     U"ここはヒミツのくまさん地下室だよ！/とっておきのアイテムほしい？[?]"
     U"でも、ただではあげられないなあ/そこでだ、兄さんと勝負をしてそれに勝ったらあげましょう/"
     U"ちなみに料金は１００ドール|勝負する？[?][C+]ルール説明はしなくていいよね？[?]"
     U"じゃあはじめるよ？[?]はじめないのかよ！/流れ止めんなよ！/もう強制的にスタート|"
     U"ヨーイドン！[V]"},
    {kBearHost,
     1,
     {},
     {},
     U"おめでとうございまーす/約束どおりとっておきのアイテム「[IN]」をあげまーす[K]|[XK]|"
     U"やったね！これさえあれば１００人力だね！/ハハハ・・・"},
    {kBearHost, 2, {}, {}, U"ざんねんでしたー！/兄さんの勝ちー！"},
    {kBearHost, 3, {}, {}, U"お兄さーん！/なぜだあー！/ウッウッウ・・・"},
};

std::vector<u32string> Lines(const u32string& transcript) {
  std::vector<u32string> lines(1);
  for (char32_t c : transcript) {
    if (c == U'/' || c == U'|')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

TEST(ScriptFlow, WholeTalksSayNothingMore) {
  GameState gs = Tables();
  for (const WholeTalk& t : kWholeTalks) {
    u32string said = Talk(gs.scriptTable[t.speaker], t.speaker, t.entry, t.answers, t.canPay);
    SCOPED_TRACE("speaker " + std::to_string(t.speaker) + " entry " + std::to_string(t.entry) +
                 ": " + Utf8(said));
    std::vector<u32string> want = Lines(t.lines), got = Lines(said);
    if (got.size() != want.size()) {
      ADD_FAILURE() << got.size() << " lines instead of " << want.size();
      continue;
    }
    for (size_t k = 0; k < want.size(); ++k) {
      if (want[k].starts_with(U"*"))
        EXPECT_TRUE(got[k].size() >= want[k].size() && got[k].ends_with(want[k].substr(1)))
            << "line " << k;
      else
        EXPECT_EQ(Utf8(got[k]), Utf8(want[k])) << "line " << k;
    }
    // Breaks of the same kind in the same places.
    std::u32string breaks, wanted;
    for (char32_t c : said)
      if (c == U'/' || c == U'|') breaks += c;
    for (char32_t c : t.lines)
      if (c == U'/' || c == U'|') wanted += c;
    EXPECT_EQ(Utf8(breaks), Utf8(wanted));
  }
}

}  // namespace
}  // namespace moki
