// The game's command line: the options it knows, the errors that name what
// was wrong, and the help and version texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/version.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "story/language.h"

namespace {

struct Parsed {
  bool ok;
  moki::CommandLine cl;
  std::string error;
};

Parsed Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "mokimoki");
  Parsed p{};
  p.ok = moki::ParseCommandLine(int(args.size()), args.data(), p.cl, p.error);
  return p;
}

TEST(CommandLine, KnownOptionsAndNoneAtAll) {
  Parsed none = Parse({});
  EXPECT_TRUE(none.ok);
  EXPECT_FALSE(none.cl.help);
  EXPECT_FALSE(none.cl.version);
  for (const char* help : {"--help", "-h"}) {
    Parsed p = Parse({help});
    EXPECT_TRUE(p.ok && p.cl.help && !p.cl.version) << help;
  }
  Parsed both = Parse({"--version", "--help"});
  EXPECT_TRUE(both.ok && both.cl.help && both.cl.version);
}

TEST(CommandLine, EveryBadArgumentIsNamedInItsError) {
  struct Case {
    std::vector<const char*> args;
    std::string named;
  } cases[] = {
      {{"--bogus"}, "'--bogus'"},
      {{"--help", "--fullscreen"}, "'--fullscreen'"},
      {{"-x"}, "'-x'"},
      {{"-"}, "'-'"},
      {{"--"}, "'--'"},
      {{"--helpme"}, "'--helpme'"},
      {{"--bogus=3"}, "'--bogus'"},
      {{"--version=2"}, "'--version' takes no value"},
      {{"save.dat"}, "'save.dat'"},
  };
  for (const Case& c : cases) {
    Parsed p = Parse(c.args);
    EXPECT_FALSE(p.ok) << c.args.back();
    EXPECT_NE(p.error.find(c.named), std::string::npos) << p.error;
  }
  // A failed parse leaves the caller's command line as it was.
  moki::CommandLine cl;
  std::string error;
  const char* args[] = {"mokimoki", "--help", "--bogus"};
  EXPECT_FALSE(moki::ParseCommandLine(3, args, cl, error));
  EXPECT_FALSE(cl.help);
}

// An option with a value and one checking its value, as later options will be
// (a choice of language, a file to record to), over a table of their own.
const moki::Option kWithValues[] = {
    {"--version", 'V', nullptr, "the version",
     [](moki::CommandLine& cl, std::string_view, std::string&) { return cl.version = true; }},
    {"--lang", 0, "ja|en", "the language",
     [](moki::CommandLine& cl, std::string_view v, std::string& error) {
       if (v != "ja" && v != "en") {
         error = std::string(1, '\'').append(v).append("' is not ja or en");
         return false;
       }
       cl.help = v == "en";  // stands for the language in this table
       return true;
     }},
};

TEST(CommandLine, OptionValuesFollowOrComeAfterAnEqualsSign) {
  auto parse = [](std::vector<const char*> args, moki::CommandLine& cl, std::string& error) {
    args.insert(args.begin(), "mokimoki");
    return moki::ParseOptions(kWithValues, int(args.size()), args.data(), cl, error);
  };
  moki::CommandLine cl;
  std::string error;
  EXPECT_TRUE(parse({"--lang", "en", "-V"}, cl, error)) << error;
  EXPECT_TRUE(cl.help && cl.version);
  cl = {};
  EXPECT_TRUE(parse({"--lang=en"}, cl, error)) << error;
  EXPECT_TRUE(cl.help);
  cl = {};
  EXPECT_TRUE(parse({"--lang", "ja"}, cl, error)) << error;
  EXPECT_FALSE(cl.help);

  EXPECT_FALSE(parse({"--lang"}, cl, error));
  EXPECT_EQ(error, "option '--lang' needs a value (ja|en)");
  EXPECT_FALSE(parse({"--lang", "de"}, cl, error));
  EXPECT_EQ(error, "option '--lang': 'de' is not ja or en");
  EXPECT_FALSE(parse({"--lang="}, cl, error));
  EXPECT_EQ(error, "option '--lang': '' is not ja or en");
  // A value is taken as it is, even when it looks like an option.
  EXPECT_FALSE(parse({"--lang", "-V"}, cl, error));
  EXPECT_EQ(error, "option '--lang': '-V' is not ja or en");

  std::string help = moki::OptionHelp(kWithValues);
  EXPECT_NE(help.find("  -V, --version"), std::string::npos) << help;
  EXPECT_NE(help.find("      --lang ja|en"), std::string::npos) << help;
}

TEST(CommandLine, HelpListsOptionsKeysAndEnvironmentAndVersionNamesTheGame) {
  std::string help = moki::HelpText();
  for (const char* part :
       {"Usage: mokimoki", "--help", "--version", "Keys:", "Space", "Ctrl", "F11",
        "Environment:", "MOKI_PRESENT", "DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"})
    EXPECT_NE(help.find(part), std::string::npos) << part;
  // Every menu's word, in each language, as the window shows it.
  for (int lang = 0; lang < moki::LanguageCount(); ++lang)
    for (int id = int(moki::UiText::MenuFile); id <= int(moki::UiText::LanguageEnglish); ++id) {
      const std::string word =
          plat::ToUtf8(plat::ShownLabel(moki::UiString(lang, moki::UiText(id))));
      const std::string shown = word.substr(0, word.find('('));
      EXPECT_NE(help.find(shown), std::string::npos) << shown;
    }
  EXPECT_EQ(moki::VersionText(), std::string("大会にモキモキ (mokimoki) ") + MOKI_VERSION + "\n");
}

}  // namespace
