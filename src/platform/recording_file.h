// The recording file: what a recorded session took from outside, record by
// record, packed small. Reading checks everything before anything is played:
// a file from another version of the game, cut off or damaged is refused
// with a message that says which.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plat::recfile {

// Version of the layout below; a file with another one is refused.
constexpr uint16_t kFormatVersion = 1;

// The kinds of record, in the order they were taken.
enum class Tag : uint8_t {
  Pumps = 1,         // value: that many event pumps the game asked for returned
  KeyDown = 2,       // value: virtual-key code; time
  KeyUp = 3,         // value: virtual-key code; time
  Menu = 4,          // value: menu item id; time
  Timer = 5,         // a tick of Timer1; time
  Paint = 6,         // a repaint the window asked for; time
  Clock = 7,         // a reading of the tick counter; time is the value read
  Reseed = 8,        // the random generator reseeded from the clock; time is the value read
  KeyWaiting = 9,    // value: the key asked about; flag: whether one was waiting
  BoxAnswered = 10,  // the message box was answered (OK); time
  File = 11,         // value: FileOp; flag: the status; text: contents; text2: the error
  Checkpoint = 12,   // hash of the game state now; time of the record before it
  End = 13,          // value: EndHow; hash of the final game state; text: a fatal error's message
  Language = 14,     // the language chosen on the command line; text: its code; time
  KeyName = 15,      // the key screen's new key; text: the key's name; time
};

// The player's-file operations whose answers are recorded.
enum class FileOp : uint8_t {
  Read = 0,       // flag: ReadStatus; text: contents; text2: error
  Exists = 1,     // flag: 0 or 1
  Write = 2,      // flag: success; text2: error
  KeepBad = 3,    // flag: success; text: the name it was kept under; text2: error
  Remove = 4,     // flag: success
  ConfigDir = 5,  // text: the folder
  DataDir = 6,    // text: the folder
  Claim = 7,      // flag: 1 when the folder is this copy's, 0 when another copy's
  Count = 8,
};

// How a recording ended.
enum class EndHow : uint8_t {
  Quit = 0,     // the game quit (終了)
  Closed = 1,   // the window was closed, or the program was told to stop
  Fatal = 2,    // the game stopped on a fatal error
  Stopped = 3,  // the recording was stopped from outside the game (a test, the scenario runner)
  Count = 4,
};

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

// Appends records to a payload as they come. Times are kept as differences
// from the time before, so a steady stream of ticks costs a byte or two each.
class Writer {
 public:
  Writer(uint32_t startClock, uint64_t randomState);
  void Put(const Record& r, const std::string& text = {}, const std::string& text2 = {});
  const std::string& Payload() const { return payload_; }

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

// Words for a tag, for messages ("a key-down", "a clock reading", ...).
const char* Describe(Tag tag);

}  // namespace plat::recfile
