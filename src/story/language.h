// The languages of the game. Every text a player reads comes from one table
// per language, all of the same shape: the scripts, the cast's names, the
// words the script codes write, the ranking and status screens, the result
// box, the title's help and the words of the window's own controls. A third
// language is a third table (and its scripts and item texts) and nothing else.
#pragma once

#include <array>
#include <initializer_list>
#include <utility>

#include "core/form1.h"
#include "story/scripts.h"

namespace moki {

// Words of the window's own controls, drawn by the platform: the shell
// passes them on (menus, buttons, the key screen).
enum class UiText : int {
  Caption,           // the window's caption
  MenuFile,          // the menu ファイル's title ("&" before its access key)
  MenuStart,         // start a new game
  MenuContinue,      // continue the saved game
  MenuQuit,          // quit
  MenuSettings,      // the menu 設定's title
  MenuKeys,          // the key screen
  LanguageJapanese,  // the items that switch to each language, in the words
  LanguageEnglish,   //   of the language in use, in the order of the languages
  Ok,                // the result box's button
  Yes,               // the yes/no pictures
  No,
  ScalingWhole,  // the picture by whole multiples
  ScalingFit,    // the picture as large as the screen allows
  Count
};

// Every word of the key screen. {key} is a game key's label, {name} a
// keyboard key's name, {other} the label of the game key that has it.
constexpr int kKeyScreenRows = 10;  // left up right down space shift ctrl z x c
struct KeyScreenTexts {
  const char32_t* title;
  std::array<const char32_t*, kKeyScreenRows> labels;
  std::array<const char32_t*, kKeyScreenRows> actions;
  const char32_t* help;
  const char32_t* waiting;
  const char32_t* changed;
  const char32_t* notSaved;
  const char32_t* unchanged;
  const char32_t* taken;
  const char32_t* reserved;
  const char32_t* escape;
  const char32_t* pressAnother;
};

// What the title and the key screen say when a controller was the last
// thing the player pressed. In the title's help {s}, {c} and {h} are the
// buttons of Space, Ctrl and Shift.
struct PadTexts {
  std::array<const char32_t*, 5> titleHelp;
  const char32_t* keyboard;  // the key screen's two columns
  const char32_t* controller;
  const char32_t* help;
  const char32_t* waiting;  // for a new button; {key} as on the key screen
  const char32_t* escape;
  const char32_t* pressAnother;
};

// What the player is told about the save ("%s" stands for a detail).
enum class SaveText : int {
  Caption,
  CannotRead,   // the first line of a box about a save that cannot be used
  KeptAsBad,    // its last line
  NotKept,      // ... when it could not be set aside; %s: why
  NoSave,       // つづきから found no save
  CannotWrite,  // %s: why
  Empty,
  CutOff,
  Malformed,  // %s: where
  TooBig,
  NotASave,
  Newer,    // %s: the save's version
  Missing,  // %s: the value's name
  BadValue,
  Unknown,
  Unreadable,  // %s: why
  Count
};

struct LanguageTexts {
  const char* code;  // "ja", "en": the settings file's `language =` and --lang
  ScriptPieces (*storyScripts)(int speaker);
  ScriptPieces (*chatterScripts)(int speaker);
  std::array<const char32_t*, kCastCount> castNames;
  // Typed after a line break for the speakers whose lines are indented.
  const char32_t* lineIndent;

  // What the codes write into the message. In the patterns "{x}" stands for
  // a value: "{r}" a number, "{o}" the same number as an ordinal, "{n}" a
  // name, "{a}" and "{b}" the two names of a pair, "{d}" an explanation.
  const char32_t* opponent;                     // #O: {r} {o} the opponent's ranking, {n} the name
  const char32_t* pair;                         // #U3: {a} the first member, {b} the second
  const char32_t* itemExplained;                // #XP: {n} the item's name, {d} its explanation
  std::array<const char32_t*, 3> abilityNames;  // ダッシュ, ナイスパス, 自爆
  std::array<const char32_t*, 3> abilityTexts;  // #XK in the bear rooms 1..3

  // The ranking screen: the label of positions 1..10 (0 unused) and a team's
  // record ({w} wins, {l} losses).
  std::array<const char32_t*, 11> rankLabels;
  const char32_t* record;
  // The status screen.
  const char32_t* matchDay;  // {r} the match-day
  const char32_t* motivatedMode;
  const char32_t* easyMode;
  const char32_t* money;    // {r} the money
  const char32_t* keyLine;  // {k} the key, {n} the item, {r} the count
  std::array<const char32_t*, 3> keyNames;

  // The result box's captions.
  const char32_t* resultDraw;
  const char32_t* resultWin;
  const char32_t* resultLoss;
  // The title screen's four lines of help.
  std::array<const char32_t*, 4> titleHelp;

  std::array<const char32_t*, int(UiText::Count)> ui;
  KeyScreenTexts keyScreen;
  std::array<const char*, int(SaveText::Count)> saveTexts;  // UTF-8
  PadTexts pad;
};

extern const LanguageTexts kJapaneseTexts;
extern const LanguageTexts kEnglishTexts;

// The table of language lang (Japanese for anything out of range).
const LanguageTexts& Texts(int lang);
inline const LanguageTexts& Texts(const GameState& gs) {
  return Texts(gs.language);
}
// A word of the window's controls in language lang.
const char32_t* UiString(int lang, UiText id);
// The language whose code is `code` ("ja", "en"), or -1.
int LanguageFromCode(const char* code);

// Fills a pattern: every "{x}" whose x is given is replaced by its text.
WString FillIn(const char32_t* pattern, std::initializer_list<std::pair<char32_t, WString>> values);
// 1st, 2nd, 3rd, 4th, ... 11th, 12th, 13th, 21st ...
WString Ordinal(int n);

// Switches every text to language lang at once, at any moment of the game.
// A script that is running goes on at the same place in the other
// language's script (the two have the same codes): the page now up is
// written again in the new language, and the next page is typed in it.
// The tables of the cast, the scripts and the items are reloaded, the yes/no
// pictures follow, and a title, ranking or status screen now up is drawn
// again. Out-of-range values are ignored.
void SetLanguage(Form1& f, int16_t lang);

// Where scripting position pos (1-based) of script `from` is in script `to`,
// which has the same codes: right after the same code, or, in the middle of
// a text, at the code that ends that text.
int MapScriptPos(const WString& from, const WString& to, int pos);

}  // namespace moki
