// Every English text outside the scripts and the item catalogue, in the same
// shape as the Japanese table (texts_ja.cpp).
#include "story/language.h"

namespace moki {

const LanguageTexts kEnglishTexts = {
    "en",
    StoryScriptPiecesEn,
    ChatterScriptPiecesEn,
    {
        U"Kua",       U"Mokimoki",     U"Receptionist", U"Santa",      U"Elegance", U"Becker",
        U"Clearence", U"Taki",         U"Senpai",       U"Conviction", U"Eli",      U"Essence",
        U"Jiddy",     U"Wee Dumpling", U"Dogra",        U"Invi",       U"Peace",    U"Kohai",
        U"Booby",     U"Tuxedo",       U"Small Fry",    U"Skully",     U"",
    },
    U"    ",
    U"{n}, currently {o}",
    U"{a} and {b}",
    U"'{n}'. {d}",
    {U"Dash", U"Nice Pass", U"Self-Destruct"},
    {
        U"'Dash': press Up and Down on the cursor keys together and your forward speeds up "
        U"in one burst. Use it as often as you like: it never runs out.",
        U"'Nice Pass': when you play the forward, your back sends the ball towards wherever "
        U"you are.",
        U"'Self-Destruct': use this and it's all over... Press all four cursor keys, up, down, "
        U"left and right, at the same time. It works only once, so save it for the moment "
        U"that really counts.",
    },
    {U"", U"1st    ", U"2nd    ", U"3rd    ", U"4th    ", U"5th    ", U"6th    ", U"7th    ",
     U"8th    ", U"9th    ", U"10th    "},
    U"Won {w}  Lost {l}",
    U"Round {r}",
    U"Motivated mode",
    U"Unmotivated mode",
    U"{r} dolls",
    U"{k}{n}   x{r}",
    {U"Z   ", U"X   ", U"C   "},
    U" Draw: extra time",
    U" Win",
    U" Loss",
    {
        U"Cursor keys: move your character",
        U"Space: talk / confirm",
        U"Ctrl: show the status screen",
        U"Hold Shift with the cursor keys to move faster",
    },
    {
        U"Mokimoki at the Tournament",
        U"&File",
        U"&Start",
        U"&Continue",
        U"&Quit",
        U"&Options",
        U"&Keys",
        U"&Japanese",
        U"&English",
        U"OK",
        U"Yes",
        U"No",
    },
    {
        U"Keys",
        {U"Left", U"Up", U"Right", U"Down", U"Space", U"Shift", U"Ctrl", U"Z", U"X", U"C"},
        {U"walk left, turn left", U"walk up, speed up, \"Yes\"", U"walk right, turn right",
         U"walk down, brake, \"No\"", U"talk, confirm", U"hold to move faster",
         U"status screen (pause)", U"use the item on Z", U"use the item on X",
         U"use the item on C"},
        U"Choose with Up/Down, press Space, then the new key. Esc: back",
        U"Press the new key for \"{key}\"",
        U"\"{key}\" is now {name}",
        U"\"{key}\" is now {name} (the settings file could not be written)",
        U"Left as it was",
        U"{name} is already used for \"{other}\"",
        U"{name} cannot be used",
        U"Esc leaves it as it was",
        U"Press another key. Esc leaves it as it was",
    },
    {
        "Mokimoki at the Tournament",
        "The saved game could not be read.",
        "The file has been kept as save.json.bad.",
        "The file could not be kept as save.json.bad (%s).",
        "No saved game was found.",
        "The game could not be saved (%s).",
        "The file is empty.",
        "The data stops part way through.",
        "The data is damaged (at byte %s).",
        "The file is too large.",
        "This is not a saved game of this game.",
        "This save was made by a newer version of the game (version %s).",
        "A value is missing: %s",
        "A value is not right: %s",
        "There is a value the game does not know: %s",
        "The file cannot be read (%s).",
    },
};

}  // namespace moki
