// The game's command line. Every option is one row of a table in
// command_line.cpp: its name, the name of its value if it takes one, its line
// in --help, and what it sets in CommandLine. A new option is a new field
// here and a new row there; parsing, errors and the help follow by themselves.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace moki {

// What the command line asked for. Starting the game is the default.
struct CommandLine {
  bool help = false;
  bool version = false;
  int lang = -1;       // --lang: the language for this run only (-1: as the settings say)
  std::string record;  // --record FILE
  std::string play;    // --play FILE
};

// One option. apply sets what the option means in the command line; value is
// empty for an option that takes none. It returns false with error set when
// the value cannot be used (a choice out of a list, say).
struct Option {
  const char* name;       // "--help"
  char shortName;         // 'h' for -h, or 0
  const char* valueName;  // "FILE" when the option takes a value, nullptr otherwise
  const char* help;       // its line in --help
  bool (*apply)(CommandLine& cl, std::string_view value, std::string& error);
};

// Exit statuses of the game's program.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // no display, a fatal error while playing
constexpr int kExitUsage = 2;    // a command line it cannot read

// Reads argv[1..argc-1] into out. Options take their value as the next
// argument or after '=' (--name VALUE, --name=VALUE). On a bad command line
// returns false and sets error to a message naming the argument at fault.
bool ParseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error);
// The same over any table of options.
bool ParseOptions(std::span<const Option> options, int argc, const char* const* argv,
                  CommandLine& out, std::string& error);
// The option lines of --help for a table.
std::string OptionHelp(std::span<const Option> options);

// The text of --help: usage, options, the keys in short and the environment
// variables the game reads.
std::string HelpText();
// The text of --version: the game's name and version.
std::string VersionText();

}  // namespace moki
