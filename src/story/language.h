// The languages of the game. Every text a player reads comes from one table
// per language, all of the same shape: the scripts, the cast's names, the
// words the script codes write, the ranking and status screens, the result
// box, the title's help and the words of the window's own controls. Japanese
// is the game's own (texts_ja.cpp, the scripts, the item catalogue); every
// other language is made from its PO catalogue (po/), text by text, and shows
// the Japanese text where its catalogue has none.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/window_object.h"
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
  ThisLanguage,      // the language's own name, for the languages after those
  Ok,                // the result box's button
  Yes,               // the yes/no pictures
  No,
  ScalingWhole,       // the picture by whole multiples
  ScalingFit,         // the picture as large as the screen allows
  MenuHelp,           // the menu ヘルプ's title
  MenuReport,         // a fault report: the session's recording so far into a file
  MenuOpenFolder,     // the recordings' folder opened on the desktop
  ReportUnclean,      // at start: the last session ended unexpectedly; {file}
  ReportWritten,      // the fault report is written; {file}, {version}
  ReportOpenFolder,   // ... and the menu opens its folder
  ReportNotRecorded,  // nothing is recorded to report
  ReportFailed,       // the report could not be written; {why}
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
  const char32_t* waitingMark;  // in place of the keys while a new one is awaited
};

// What the title and the key screen say when a controller was the last
// thing the player pressed. In the title's help {space}, {ctrl} and {shift} are the
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

// What the player is told about the save.
enum class SaveText : int {
  Caption,
  CannotRead,   // the first line of a box about a save that cannot be used
  KeptAsBad,    // its last line; {file} the name it was kept under
  NotKept,      // ... when it could not be set aside; {file}, {why}
  NoSave,       // つづきから found no save
  CannotWrite,  // {why}
  Empty,
  CutOff,
  Malformed,  // {byte}: where
  TooBig,
  NotASave,
  Newer,     // {version}: the save's version
  Missing,   // {part}: a SavePart
  BadValue,  // {part}
  Unknown,
  Unreadable,  // {why}
  InUse,       // at start: another copy of the game is playing on the same save
  Repeated,    // {part}: a value written twice
  // Why a file could not be used, by plat::FileFault ({file}: the save's name).
  WhyNotPlain,
  WhyReadOnly,
  WhyInUse,
  WhyAllBadTaken,
  WhyNoSpace,
  WhyNoPermission,
  WhyNotFolder,
  NotSavedOver,
  NewerKept,
  StartOverNewer,
  Count
};
// The parts of the save as the player knows them, named in Missing and BadValue.
enum class SavePart : int { Money, League, Items, Story, Places, Count };

struct LanguageTexts {
  const char* code;  // "ja", "en": the settings file's `language =` and --lang
  std::array<const char32_t*, kCastCount> castNames;
  // Typed after a line break for the speakers whose lines are indented.
  const char32_t* lineIndent;

  // What the codes write into the message.
  const char32_t* opponent;       // #O: {rank} {ordinal} the opponent's ranking, {name}
  const char32_t* pair;           // #U3: {first} the first member, {second} the second
  const char32_t* itemExplained;  // #XP: {item} the item's name, {explanation}
  std::array<const char32_t*, 3> abilityNames;  // ダッシュ, ナイスパス, 自爆
  std::array<const char32_t*, 3> abilityTexts;  // #XK in the bear rooms 1..3

  // The ranking screen: the label of positions 1..10 (0 unused) and a team's
  // record ({wins}, {losses}).
  std::array<const char32_t*, 11> rankLabels;
  const char32_t* record;
  // The status screen.
  const char32_t* matchDay;  // {day} the match-day
  const char32_t* motivatedMode;
  const char32_t* easyMode;
  const char32_t* money;     // {money}
  const char32_t* keyLine;   // {key} the key, {item} the item, {count} the count
  const char32_t* keyEmpty;  // a key without an item: {key}, {item}, {count} as keyLine
  std::array<const char32_t*, 3> keyNames;

  // The match's line at the top of the field: {time} the counts left, {home}
  // and {away} the teams' first names, {homescore} and {awayscore}.
  const char32_t* matchLine;
  // The result box's captions.
  const char32_t* resultDraw;
  const char32_t* resultWin;
  const char32_t* resultLoss;
  // The title screen's four lines of help.
  std::array<const char32_t*, 4> titleHelp;
  const char32_t* titleMenuHelp;  // a fifth line, in full screen (where the menu bar hides)

  std::array<const char32_t*, int(UiText::Count)> ui;
  KeyScreenTexts keyScreen;
  std::array<const char32_t*, int(SaveText::Count)> saveTexts;
  std::array<const char32_t*, int(SavePart::Count)> saveParts;
  PadTexts pad;
};

// How many languages there are: Japanese, then one for each catalogue, in
// the order the build lists them. Every list of languages (the menu, --lang,
// the locale, the scenario runner) is this one.
int LanguageCount();
// The code of language lang ("ja", "en", ...), or "" out of range.
const char* LanguageCode(int lang);
// "ja|en|...": the codes of every language, for help texts.
std::string LanguageCodes();
// The table of language lang (Japanese for anything out of range).
const LanguageTexts& Texts(int lang);
inline const LanguageTexts& Texts(const GameState& gs) {
  return Texts(gs.language);
}
// A word of the window's controls in language lang.
const char32_t* UiString(int lang, UiText id);
// The language whose code is `code` ("ja", "en"), or -1.
int LanguageFromCode(const char* code);
// The item that chooses language `other` in the language menu of language
// lang: Japanese and English by the words of lang, any other in its own.
const char32_t* LanguageMenuName(int lang, int other);
// The language of a desktop whose locale variables are these, as gettext
// programs read them: LANGUAGE first, a list such as "fr:ja" whose first
// language the game has wins; then the first of LC_ALL, LC_MESSAGES and
// LANG that is set and not empty ("ja_JP.UTF-8" is ja). A locale the game
// has no language for, C and POSIX included, is English.
int LanguageFromLocale(const char* language, const char* lcAll, const char* lcMessages,
                       const char* lang);

// The text `key` of the catalogues in language lang: its translation when the
// catalogue has one made from this Japanese text, else the Japanese text.
const char32_t* Translated(int lang, const char* key, const char32_t* japanese);

// Fills a pattern: every "{name}" whose name is given is replaced by its
// value; any other brace is kept as it is.
using FillIns = std::initializer_list<std::pair<const char32_t*, WString>>;
WString FillIn(const char32_t* pattern, FillIns values);
// A sum of money (or any large number) as the language in use writes it:
// "15,000" in English, "15000" in Japanese.
WString AmountText(const GameState& gs, long long n);
// Position n as language lang writes it: in English 1st, 2nd, 3rd, 4th, ...
// 11th, 12th, 13th, 21st ...; a language without a rule of its own writes the
// plain number (Japanese puts 位 after it in the text itself).
WString Ordinal(int lang, int n);

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
