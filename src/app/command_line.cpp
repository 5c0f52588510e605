#include "app/command_line.h"

#include <string>
#include <string_view>

#include "platform/version.h"
#include "story/language.h"

namespace moki {

namespace {

const Option kOptions[] = {
    {"--help", 'h', nullptr, "show this help and exit",
     [](CommandLine& cl, std::string_view, std::string&) { return cl.help = true; }},
    {"--version", 0, nullptr, "show the version and exit",
     [](CommandLine& cl, std::string_view, std::string&) { return cl.version = true; }},
    {"--lang", 0, "ja|en", "play in Japanese (ja) or English (en) this time only",
     [](CommandLine& cl, std::string_view v, std::string& error) {
       const std::string code(v);
       cl.lang = LanguageFromCode(code.c_str());
       if (cl.lang < 0) error.append("'").append(code).append("' is not ja or en");
       return cl.lang >= 0;
     }},
    {"--record", 0, "FILE", "record the session into FILE, not the sessions' folder",
     [](CommandLine& cl, std::string_view v, std::string& error) {
       if (!cl.play.empty()) error = "cannot record while playing a recording";
       cl.record = v;
       return error.empty();
     }},
    {"--play", 0, "FILE", "play a recorded session back in the window",
     [](CommandLine& cl, std::string_view v, std::string& error) {
       if (!cl.record.empty()) error = "cannot play while recording";
       cl.play = v;
       return error.empty();
     }},
};

const Option* FindOption(std::span<const Option> options, std::string_view arg) {
  for (const Option& o : options) {
    if (arg == o.name) return &o;
    if (o.shortName && arg.size() == 2 && arg[0] == '-' && arg[1] == o.shortName) return &o;
  }
  return nullptr;
}

std::string Quoted(std::string_view s) {
  std::string q;
  q.reserve(s.size() + 2);
  q.append(1, '\'').append(s).append(1, '\'');
  return q;
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error) {
  return ParseOptions(kOptions, argc, argv, out, error);
}

bool ParseOptions(std::span<const Option> options, int argc, const char* const* argv,
                  CommandLine& out, std::string& error) {
  CommandLine cl;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg.size() < 2 || arg[0] != '-') {
      error = "unexpected argument " + Quoted(arg) + " (the game takes only options)";
      return false;
    }
    std::string_view name = arg, value;
    bool inlineValue = false;
    if (size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      inlineValue = true;
    }
    const Option* o = FindOption(options, name);
    if (!o) {
      error = "unknown option " + Quoted(name);
      return false;
    }
    if (!o->valueName && inlineValue) {
      error = "option " + Quoted(o->name) + " takes no value";
      return false;
    }
    if (o->valueName && !inlineValue) {
      if (i + 1 >= argc) {
        error = "option " + Quoted(o->name) + " needs a value (" + o->valueName + ")";
        return false;
      }
      value = argv[++i];
    }
    std::string why;
    if (!o->apply(cl, value, why)) {
      error = "option " + Quoted(o->name) + ": " + why;
      return false;
    }
  }
  out = cl;
  return true;
}

std::string OptionHelp(std::span<const Option> options) {
  std::string text;
  for (const Option& o : options) {
    std::string left = o.shortName ? std::string("-") + o.shortName + ", " : "    ";
    left += o.name;
    if (o.valueName) left += std::string(" ") + o.valueName;
    if (left.size() < 24) left.resize(24, ' ');
    text += "  " + left + " " + o.help + "\n";
  }
  return text;
}

std::string HelpText() {
  std::string text =
      "Usage: mokimoki [OPTION]...\n"
      "Mokimoki at the Tournament (大会にモキモキ): a ball tournament with the hero Kua\n"
      "(くあ) and his partner Mokimoki (モキモキ), in a window, in Japanese or English.\n"
      "\n"
      "Options:\n" +
      OptionHelp(kOptions);
  text +=
      "\n"
      "Keys:\n"
      "  Alt+F                    the menu File (ファイル): Start (スタート, S) starts a\n"
      "                           game, Continue (つづきから, C) continues the saved one,\n"
      "                           Quit (終了, X) quits\n"
      "  Alt+O                    the menu Options (設定): Keys (キー設定, K) chooses the\n"
      "                           keys, English (E) and Japanese (日本語, J) switch the\n"
      "                           language\n"
      "  Alt+H                    the menu Help (ヘルプ): Report a fault (不具合の報告, R)\n"
      "                           keeps the session so far in a file for a report\n"
      "  cursor keys              walk; in a match drive the forward, move and aim the back\n"
      "  Shift (held)             walk faster; in a match twice the speed and turning\n"
      "  Space                    talk, turn the page, confirm yes or no (はい/いいえ)\n"
      "  Up/Down at a question    choose yes or no\n"
      "  Ctrl                     the status screen (pauses the game)\n"
      "  Z X C, or 1 2 3          use the item on that key in a match\n"
      "  F11                      full screen and back\n"
      "  A game controller stands for the cursor keys, Space, Shift, Z, X, C and Ctrl.\n"
      "\n"
      "Environment:\n"
      "  DISPLAY                  the X display to open the window on\n"
      "  WAYLAND_DISPLAY          the Wayland display to open the window on\n"
      "  SDL_VIDEODRIVER          another SDL video driver to use instead (for example\n"
      "                           offscreen); without it the game uses X11 or Wayland only\n"
      "  MOKI_PRESENT             'renderer' draws through an SDL renderer and a texture\n"
      "                           instead of the window's own pixels\n"
      "  XDG_CONFIG_HOME          where the settings go (~/.config when unset)\n"
      "  XDG_DATA_HOME            where the save goes (~/.local/share when unset)\n"
      "  XDG_STATE_HOME           where every session is recorded, the last five kept\n"
      "                           (~/.local/state when unset; see [recording] keep)\n"
      "  HOME                     the home, ~ (when unset, the user's home in the password\n"
      "                           database; with none the game keeps no settings or save)\n"
      "\n"
      "Exit status: 0 when the game is quit, 1 when it cannot open its window or stops\n"
      "on an error, 2 on a command line it cannot read.\n";
  return text;
}

std::string VersionText() {
  return "大会にモキモキ (mokimoki) " MOKI_VERSION "\n";
}

}  // namespace moki
