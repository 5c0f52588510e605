// Recording a session and playing it back. Everything the game takes from
// outside crosses the platform: the events handed to its handlers, the
// clock, reseeds of the random generator, the message box's answer, the
// player's files. Recording keeps all of it in order; playback hands the
// game the same values in the same order, so it passes through the same
// states. The game itself knows nothing of either.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace plat {

// Records from now on; the file is written when the game quits, its window
// is closed, it stops on a fatal error or its display goes away, and every
// few seconds of play. Call before the game starts (before the window object
// connects its handlers: the recording is then finished at exit before the
// window object is destroyed). False with err when the file cannot be written.
bool StartRecording(const std::string& path, std::string& err);
// What a recording holds, in the player's words.
constexpr const char* kRecordingHolds =
    "It holds the keys pressed, the menu choices, the clock's readings and the dice of the "
    "game, and what the game read of the settings (without their comments) and the save, "
    "with the folders written from ~ (no user name); it is written every few seconds and "
    "when the game ends.";

// Plays the recording at path from now on, instead of the player's input.
// A recording that cannot be played as it is (another version of the game,
// cut off, damaged) is refused: false with err saying why. When playback
// ends it says on standard error whether the recorded final state was
// reached, and the program (or the headless run) ends with status 0 when it
// was, 1 when not.
bool StartPlayback(const std::string& path, std::string& err);

namespace recording {

// The same in memory, for tests and tools: records without a file, and
// plays the bytes of a recording.
void StartInMemory();
bool StartPlaybackOf(const std::string& bytes, std::string& err);
// Ends a recording here (as stopped from outside the game) and returns the
// file's bytes; writes the file too when recording to one. Empty when
// nothing is being recorded.
std::string Finish();
// The bytes of the last recording finished.
const std::string& LastRecording();

// Whether a session is being recorded, or played back.
bool Recording();
bool Playing();

// How the last playback ended.
struct Verdict {
  bool ended = false;
  bool reached = false;
  std::string message;
};
const Verdict& LastVerdict();

// Called after every event handed to the game, recorded or played back.
void SetEventHook(std::function<void()> hook);

// Stops recording or playing without writing anything; for tests.
void Abandon();

// The game version a recording carries.
const std::string& GameVersion();

// For a session recorded without being asked (sessions.h): nothing is said
// when it is written, and a write that fails gives one warning and ends the
// recording there, the game playing on unrecorded. Call after StartRecording.
void Quietly();
// The recording so far, ended here as cut short with note as its words: the
// bytes of a file. Empty when nothing is being recorded.
std::string SoFar(const std::string& note);
// The file the recording was written to when it ended; "" when none was.
const std::string& WrittenTo();
// Called as the game ends, with how it ended (a recfile::EndHow).
void OnEnd(void (*hook)(int how));

}  // namespace recording

}  // namespace plat

// The player's files as the recording keeps them (user_files.cpp, settings).
namespace plat::internal {
// A player's-file operation (op: recfile::FileOp) and its answer: recorded,
// or in playback taken from the recording.
struct FileAnswer {
  uint8_t status = 0;
  std::string text, err;
};
FileAnswer TakeFile(int op, const std::function<FileAnswer()>& live);
// The next player's file read is kept in a recording as strip gives it (the
// game is given the whole file).
void RecordNextReadAs(std::string (*strip)(const std::string&));
}  // namespace plat::internal
