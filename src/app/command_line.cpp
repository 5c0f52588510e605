#include "app/command_line.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"
#include "platform/version.h"
#include "story/language.h"

namespace moki {

namespace {

// "ja|en|...": the codes of the languages the game has.
const char* LanguageChoice() {
  static const std::string codes = LanguageCodes();
  return codes.c_str();
}

const Option kOptions[] = {
    {"--help", 'h', nullptr, "show this help and exit",
     [](CommandLine& cl, std::string_view, std::string&) { return cl.help = true; }},
    {"--version", 0, nullptr, "show the version and exit",
     [](CommandLine& cl, std::string_view, std::string&) { return cl.version = true; }},
    {"--lang", 0, LanguageChoice(),
     "play in this language this time only (ja Japanese, en English)",
     [](CommandLine& cl, std::string_view v, std::string& error) {
       const std::string code(v);
       cl.lang = LanguageFromCode(code.c_str());
       if (cl.lang < 0)
         error.append("'").append(code).append("' is not one of ").append(LanguageChoice());
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

namespace {

// Each language's menus as --help lists them: "ja  ファイル F: スタート S, ...".
std::string MenuWords() {
  // A word as the menu shows it, its access key after it: "スタート(&S)" is
  // "スタート S", "&Quit" is "Quit Q".
  auto word = [](const char32_t* label) {
    const std::u32string l = label;
    const char32_t key = plat::AccessKey(l);
    std::u32string shown = plat::ShownLabel(l);
    const std::u32string mark = std::u32string(U"(") + key + U")";
    if (key && shown.size() > mark.size() && shown.ends_with(mark))
      shown = shown.substr(0, shown.size() - mark.size());
    if (key) shown += std::u32string(U" ") + key;
    return shown;
  };
  // The columns a text takes on a terminal: two for each wide character.
  auto columns = [](const std::u32string& s) {
    size_t n = 0;
    for (char32_t c : s) n += (c >= 0x1100 && c < 0xFF61) ? 2 : 1;
    return n;
  };
  std::string text;
  for (int lang = 0; lang < LanguageCount(); ++lang) {
    const std::vector<std::pair<UiText, std::vector<std::u32string>>> menus = {
        {UiText::MenuFile,
         {word(UiString(lang, UiText::MenuStart)), word(UiString(lang, UiText::MenuContinue)),
          word(UiString(lang, UiText::MenuQuit))}},
        {UiText::MenuSettings, {word(UiString(lang, UiText::MenuKeys))}}};
    std::vector<std::u32string> options = menus[1].second;
    for (int other = 0; other < LanguageCount(); ++other)
      options.push_back(word(LanguageMenuName(lang, other)));
    options.push_back(word(UiString(lang, UiText::ScalingWhole)));
    options.push_back(word(UiString(lang, UiText::ScalingFit)));
    std::u32string code = plat::FromUtf8(LanguageCode(lang));
    while (code.size() < 4) code += U' ';
    for (size_t m = 0; m < menus.size(); ++m) {
      std::u32string line = (m == 0 ? U"    " + code : std::u32string(U"        ")) +
                            word(UiString(lang, menus[m].first)) + U":";
      const std::vector<std::u32string>& items = m == 0 ? menus[0].second : options;
      for (size_t i = 0; i < items.size(); ++i) {
        const std::u32string piece = items[i] + (i + 1 < items.size() ? U"," : U"");
        if (columns(line) + 1 + columns(piece) > 79) {
          text += plat::ToUtf8(line) + "\n";
          line = std::u32string(U"          ") + piece;
        } else {
          line += U" " + piece;
        }
      }
      text += plat::ToUtf8(line) + "\n";
    }
  }
  return text;
}

}  // namespace

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
      "  Alt+F                    the menu File (ファイル): Start starts a game, Continue\n"
      "                           continues the saved one, Quit quits\n"
      "  Alt+O                    the menu Options (設定): Keys chooses the keys, a\n"
      "                           language's name switches to it, the last two choose how\n"
      "                           the picture is enlarged\n"
      "  Alt+H                    the menu Help (ヘルプ): Report a fault keeps the session\n"
      "                           so far in a file for a report\n"
      "  The menus' words and their keys (Alt+F or Alt+O, then the letter), by language:\n" +
      MenuWords();
  text +=
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
      "  LANGUAGE                 the languages to play in, the first the game has wins\n"
      "                           (ja:en), before the locale, as in gettext programs\n"
      "  LC_ALL, LC_MESSAGES, LANG\n"
      "                           the locale, the first set of them: ja_JP.UTF-8 plays in\n"
      "                           Japanese, one the game has no language for in English\n"
      "  (--lang, else the language chosen from the menu, else these choose the language)\n"
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
