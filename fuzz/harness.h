// The two fuzz harnesses, shared by the libFuzzer targets and by the test
// that replays the inputs kept under fuzz/regressions/.
#pragma once

#include <cstddef>
#include <cstdint>

namespace moki_fuzz {

// Writes the bytes to a scratch file and reads it back with ReadNumberFile,
// for a count chosen by the first byte. Aborts if the reader breaks its
// promise: a success with the wrong number of values or a value outside
// 0..19, or a failure without a message.
void ReadDataFile(const uint8_t* data, size_t size);

// Reads the bytes as a recording. An even first byte: the rest is a whole
// file, as a player might send one. An odd one: the rest is the records
// themselves, packed with a sound header and checksum so that the decoding
// of records is reached. Aborts if the reader breaks its promise: a refusal
// without a message, or an accepted recording that does not end with its
// end record or points at texts it does not have.
void ReadRecording(const uint8_t* data, size_t size);

// Reads the bytes as a save into the state of the title screen. Aborts if
// the reader breaks its promise: a failure without a reason or with the
// state touched, or a success that is not a game at rest, or whose save does
// not read back to the same save.
void ReadSave(const uint8_t* data, size_t size);

// How one script run ended.
enum class ScriptEnd {
  Finished,  // the script reached its end and the window was closed
  TimeUp,    // still going when the virtual time allowed for one input ran out
};

struct ScriptOutcome {
  ScriptEnd end = ScriptEnd::Finished;
  double virtualMs = 0;  // virtual time the run took
  int spacePresses = 0;  // Space presses the stand-in player made
};

// Runs the bytes as a script on the headless backend. The first four bytes
// set the scene (speaker, hall or room, match-day and conversation state,
// money and the answers to questions); the rest is the script as UTF-8. A
// stand-in player presses Space (and Down for a "no") whenever the game
// waits, and closes the dialogue when it ends. One input gets at most
// kScriptVirtualMs of virtual time (about 600 characters typed).
constexpr double kScriptVirtualMs = 20000;
ScriptOutcome RunScriptInput(const uint8_t* data, size_t size);

}  // namespace moki_fuzz
