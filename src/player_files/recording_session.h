// The recording's own state, shared by its three parts: recording.cpp (the
// session: starting, what the game is told, what the recording watches of
// the platform), recording_writer.cpp (recording while the game runs, and
// writing it to its file) and recording_playback.cpp (handing the game the
// recorded values).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "player_files/recording.h"
#include "player_files/recording_file.h"

namespace plat::recsession {

using recfile::EndHow;
using recfile::Kind;
using recfile::Record;
using recfile::Tag;
using recording::Recording;

enum class Mode { Off, Recording, Playing };

struct State {
  Mode mode = Mode::Off;
  std::string (*stripNextRead)(const std::string&) = nullptr;
  std::function<void()> eventHook;

  // Recording.
  std::string path;    // empty: in memory only
  bool quiet = false;  // a session recorded without being asked (recording::Quietly)
  std::unique_ptr<recfile::Writer> writer;
  uint32_t pendingPumps = 0;
  uint32_t nextCheckpoint = 0;
  uint32_t nextWrite = 0;

  // Playback.
  recfile::Recording rec;
  size_t next = 0;
  uint32_t pumpsLeft = 0;
  uint32_t lastTime = 0;
  int checkpoints = 0;
};

extern State g;
extern std::string g_last;       // the bytes of the last recording finished
extern std::string g_writtenTo;  // the file it was written to
extern recording::Verdict g_verdict;

// The game's state, hashed, and as text.
uint64_t StateHash();
std::string HashText(uint64_t h);
// The live clock, not recorded: read as the platform.
uint32_t LiveClock();
// The recording watches the platform from its first start on.
void WatchSession();

// --- Recording (recording_writer.cpp) ------------------------------------------
void BeginRecording(const std::string& path);
// The file written when recording starts, before anything is recorded.
std::string Placeholder();
// The handlers the game set, wrapped once (they may be set after recording began).
void EnsureWrapped();
// Puts a record after the pumps counted before it.
void Put(const Record& r, const std::string& text = {}, const std::string& text2 = {});
// text with the player's home folder written as "~".
std::string FromHome(const std::string& text);
// The records so far, ended with how and the state's hash now, packed.
std::string PackedSoFar(EndHow how, const std::string& message);
// Ends the recording with how it ended and the state's hash, and writes it.
void FinishRecording(EndHow how, const std::string& message);
// Waits until what was handed to the writer is written.
void SettleAside();
// A pump the game asked for has returned to it.
void PumpEnded();
// A message box was answered live (a question: with yes or no).
void BoxAnswered(bool asks, bool yes);

// --- Playback (recording_playback.cpp) -------------------------------------------
bool BeginPlayback(const std::string& bytes, std::string& err);
// The recording's end: compares the state with the one recorded.
[[noreturn]] void ReachEnd(const Record& end);
// The game asked for what the recording does not hold next.
[[noreturn]] void Desync(const std::string& asked);
// Waits until the recorded time of r.
void Pace(const Record& r);
// The next record, which must be of kind tag; at the recording's end the
// playback ends there.
const Record& Take(Tag tag, const std::string& asked);
// Whether the next record is of kind tag with that value.
bool NextIs(Tag tag, int32_t value);
// A pump the game asked for, played from the recording.
bool ReplayPump();
// A message box the game shows, answered from the recording (a question:
// yes set to its answer).
bool BoxShown(bool asks, bool& yes);

}  // namespace plat::recsession
