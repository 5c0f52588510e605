// The recording file: what a recorded session took from outside, record by
// record, packed small. Reading checks everything before anything is played:
// a file from another version of the game, cut off or damaged is refused
// with a message that says which.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace plat::recfile {

// Version of the layout below; a file with another one is refused. 2: the
// settings file is read again before each write of it, and a recording may
// end cut short or with the display lost.
constexpr uint16_t kFormatVersion = 2;

// The kinds of record; what each holds is in the table of kinds (Kinds()).
enum class Tag : uint8_t {
  Pumps = 1,
  KeyDown = 2,
  KeyUp = 3,
  Menu = 4,
  Timer = 5,
  Paint = 6,
  Clock = 7,
  Reseed = 8,
  KeyWaiting = 9,
  BoxAnswered = 10,
  File = 11,
  Checkpoint = 12,
  End = 13,
  Language = 14,
  KeyChosen = 15,
  BoxChoice = 16,
};

// The player's-file operations whose answers are recorded.
enum class FileOp : uint8_t {
  Read = 0,           // flag: ReadStatus; text: contents; text2: error
  Exists = 1,         // flag: 0 or 1
  Write = 2,          // flag: success; text2: error
  KeepBad = 3,        // flag: success; text: the name it was kept under; text2: error
  Remove = 4,         // flag: success
  ConfigDir = 5,      // text: the folder
  DataDir = 6,        // text: the folder
  Claim = 7,          // flag: 1 when the folder is this copy's, 0 when another copy's
  LastSession = 8,    // flag: 1 when a session ended unexpectedly; text: its recording
  FaultReport = 9,    // flag: a plat::FaultReport; text: the file; text2: error
  OpensFolders = 10,  // flag: 1 when the desktop opens the sessions' folder for the player
  Count = 11,
};
// A failed answer's status carries why it failed (plat::FileFault) in its
// bits from this one up.
constexpr int kFaultShift = 4;
constexpr int kFaultCount = 8;
// Words for an operation ("reading a player's file", ...), and the largest
// status its answer may have (below the fault's bits).
const char* Describe(FileOp op);
uint8_t MostStatus(FileOp op);

// How a recording ended.
enum class EndHow : uint8_t {
  Quit = 0,     // the game quit (終了)
  Closed = 1,   // the window was closed, or the program was told to stop
  Fatal = 2,    // the game stopped on a fatal error
  Stopped = 3,  // the recording was stopped from outside the game (a test, the scenario runner)
  Cut = 4,      // the recording so far, written while the game went on; it stops there
  Lost = 5,     // the display went away
  Count = 6,
};

// One field of a record, in the order the file holds them.
enum class Field : uint8_t {
  Count,       // value: a count of 1 or more (varint)
  Key,         // value: a virtual-key code or menu item id, 0 to 255 (varint)
  FileOp,      // value: a FileOp (byte)
  EndHow,      // value: an EndHow (byte)
  Answer,      // flag: 0 or 1 (byte)
  FileStatus,  // flag: the status of the record's FileOp (byte)
  Time,        // time: a tick count, kept as the difference from the time before
  Hash,        // hash: 8 bytes
  Text,        // text
  Text2,       // text2
};

// The game's handler an event goes to (none: the record is not an event).
struct HandlerOf {
  HandlerOf() = default;
  HandlerOf(std::function<void(int)> Handlers::*m) : withValue(m) {}
  HandlerOf(std::function<void()> Handlers::*m) : plain(m) {}
  HandlerOf(std::function<bool(const std::string&)> Handlers::*m) : withText(m) {}
  std::function<void(int)> Handlers::*withValue = nullptr;  // given the record's value
  std::function<void()> Handlers::*plain = nullptr;         // given nothing
  std::function<bool(const std::string&)> Handlers::*withText = nullptr;  // given its text
};

// A kind of record: its tag, words for messages ("a key going down"), its
// fields, and for an event (handed to the game where it comes in playback)
// the handler it goes to.
struct Kind {
  Kind(Tag t, const char* words, std::vector<Field> f, HandlerOf h = {})
      : tag(t), description(words), fields(std::move(f)), handler(h) {}
  Tag tag;
  const char* description;
  std::vector<Field> fields;
  HandlerOf handler;
  bool Event() const { return handler.withValue || handler.plain || handler.withText; }
};
const std::vector<Kind>& Kinds();
// The kind of a tag; nullptr for no known kind.
const Kind* KindOf(Tag tag);

struct Record {
  Tag tag = Tag::Pumps;
  uint8_t flag = 0;
  int32_t value = 0;
  uint32_t time = 0;
  uint32_t text = 0, text2 = 0;  // indexes into Recording::texts (0 is the empty text)
  uint64_t hash = 0;
};

struct Recording {
  uint32_t startClock = 0;   // the tick count when recording began
  uint64_t randomState = 0;  // the random generator's state then
  std::vector<Record> records;
  std::vector<std::string> texts{std::string()};
};

// The most a recording may hold unpacked: a session of play records about
// 450 bytes a second, so this is some two and a half hours. Its records take
// up to 16 times their bytes once read, so a file that claims more (a zlib
// bomb, or damage) is refused before anything is unpacked.
constexpr uint32_t kMaxPayload = 4u << 20;

// The most a recording's file may hold: its payload packed, with room to spare.
constexpr size_t kMostRecordingBytes = size_t(kMaxPayload) * 2;
// Whether file begins as a recording of this game does (of any version); an
// empty file has nothing to lose and passes too.
bool LooksLikeRecording(const std::string& file);

// Appends records to a payload as they come. Times are kept as differences
// from the time before, so a steady stream of ticks costs a byte or two each.
class Writer {
 public:
  Writer(uint32_t startClock, uint64_t randomState);
  void Put(const Record& r, const std::string& text = {}, const std::string& text2 = {});
  const std::string& Payload() const { return payload_; }
  // Near the most a recording may hold: room is left for the records of the
  // event in progress and the end, so that a full recording still plays.
  bool Full() const { return payload_.size() + (256u << 10) >= kMaxPayload; }

 private:
  std::string payload_;
  uint32_t lastTime_;
};

// The whole file: header, checksum and the compressed payload.
std::string Pack(const std::string& payload, const std::string& gameVersion);

// Reads a whole file. On refusal returns false with err saying why in plain
// words; out is then unusable.
bool Unpack(const std::string& file, const std::string& gameVersion, Recording& out,
            std::string& err);

// The payload of a whole file, checked and unpacked, not yet decoded.
bool PayloadOf(const std::string& file, const std::string& gameVersion, std::string& payload,
               std::string& err);

// Decodes a payload (the file's contents past its header, uncompressed).
bool ParsePayload(const std::string& payload, Recording& out, std::string& err);

// FNV-1a, 64 bits: the hash of a game state's text.
uint64_t Hash(const std::string& text);

// Words for a tag, for messages ("a key going down", "a clock reading", ...).
const char* Describe(Tag tag);

}  // namespace plat::recfile
