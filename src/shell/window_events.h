// The window's event handlers, its start-up and the game's lifecycle: the top
// of the game, which dispatches to every subsystem.
#pragma once

#include "core/window_object.h"
#include "platform/text.h"

namespace moki {

// --- Event handlers (the window's own names) -------------------------------
// The window opens: pictures, tables, the saved language, the title.
void Form_Load(Form1& f);
// A menu item chosen; index is the item's menu id (kMenuStart, ...).
void f1_Click(Form1& f, int index);
// The frame timer's tick (Timer1): one step of the hall, a room, a match or
// the bear's game, by GameMode.
void Timer1_Timer(Form1& f);
void Form_KeyDown(Form1& f, int keyCode);
void Form_KeyUp(Form1& f, int keyCode);
// The window is drawn again: the picture of whatever GameMode shows.
void Form_Paint(Form1& f);

// Switches the game, the caption and the menus to language lang at once.
void ChangeLanguage(Form1& f, i16 lang);

// Connects the handlers above to the platform's window.
void ConnectWindow(Form1& f);

// --- Start-up ----------------------------------------------------------------
// Label1, the message label: its size, and so the lines a page may have.
constexpr int kLabelWidth = 480;
constexpr int kLabelHeight = 128;
constexpr int kLabelMaxLines = kLabelHeight / plat::kLabelLineHeight;
// Tells the platform the game's names (its program, its windows' class, its
// caption): first thing, before the platform looks for a file.
void NameTheGame();
// Places Label1 and the yes/no pictures, hidden, and sets the menu bar.
void InitControls(Form1& f);
void InitTables(GameState& gs);
// Sets the window's menu bar in the game's language (menu_bar.cpp).
void SetGameMenuBar(const GameState& gs);
// The id of the menu item that chooses language lang, and the language an id
// chooses (-1 for any other item).
int LanguageMenuId(int lang);
int LanguageOfMenuId(int id);
// Loads every sprite sheet from the assets folder; a missing or damaged file
// stops the program with a message naming it.
void LoadPictures(Pictures& pics);

// --- The game's lifecycle -----------------------------------------------------
void StartNewGame(Form1& f);

// --- The sessions' recordings (fault_report.cpp) ----------------------------------
// As the run's language is handed over at start: a box, once, when the last
// session ended unexpectedly, naming its recording.
void TellUncleanSession(const GameState& gs);
// ヘルプ → 不具合の報告: the session's recording so far into a file, and a box
// with its whole path and what to do with it.
void ReportFault(const GameState& gs);

}  // namespace moki
