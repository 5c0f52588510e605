// A language added the way a translator adds one: its catalogue and its code
// in the build's list, nothing else. Here the build makes the catalogue, zz,
// from en.po (its texts in «»), and this program is linked with the tables of
// every language of the build and zz after them.
#include <set>

#include "app/command_line.h"
#include "platform/platform.h"
#include "shell/window_events.h"
#include "story/language.h"
#include "test_support.h"

using namespace moki;

TEST(FourthLanguage, IsInTheMenuWithItsOwnIdAndPlays) {
  // Whatever the game would keep goes into a folder of the test's own.
  testing_support::TempDir home("moki-test-fourth-");
  setenv("XDG_DATA_HOME", home.dir.c_str(), 1);
  setenv("XDG_CONFIG_HOME", home.dir.c_str(), 1);
  const int zz = LanguageFromCode("zz");
  ASSERT_EQ(zz, LanguageCount() - 1);
  ASSERT_GE(zz, 2);
  auto f = testing_support::MakeForm();
  Form_Load(*f);

  // The menu: an item for every language, zz named in its own words, every
  // item of the bar with an id of its own.
  std::set<int> ids;
  int languages = 0;
  for (const plat::Menu& menu : plat::MenuBar())
    for (const plat::MenuItem& item : menu.items) {
      EXPECT_TRUE(ids.insert(item.id).second) << "id " << item.id << " twice";
      if (LanguageOfMenuId(item.id) >= 0) ++languages;
      if (item.id == LanguageMenuId(zz)) {
        EXPECT_EQ(item.label, UiString(zz, UiText::ThisLanguage));
      }
    }
  EXPECT_EQ(languages, LanguageCount());
  EXPECT_EQ(ids.count(LanguageMenuId(zz)), 1u);

  // Chosen from the menu, it plays: the opening in its words.
  f1_Click(*f, LanguageMenuId(zz));
  EXPECT_EQ(f->gs.language, zz);
  EXPECT_FALSE(plat::MenuEnabled(LanguageMenuId(zz)));
  testing_support::AutoReader reader;
  reader.gs = &f->gs;
  reader.answers = {0};
  std::u32string first;
  plat::headless::SetIdleHook([&] {
    if (first.empty() && !f->gs.messageText.empty()) first = f->gs.messageText;
    reader();
  });
  ASSERT_EQ(testing_support::RunWith("menu start\nuntil yesNoVisible [true,false] 20000\n",
                                     [&] { plat::headless::MainLoop(); }),
            0);
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(first.substr(0, 1), U"«");
  EXPECT_EQ(f->gs.castNames[1].substr(0, 1), U"«");

  // And by its code: --lang and the scenario runner's lang.
  CommandLine cl;
  std::string error;
  const char* argv[] = {"mokimoki", "--lang", "zz"};
  ASSERT_TRUE(ParseCommandLine(3, argv, cl, error)) << error;
  EXPECT_EQ(cl.lang, zz);
  ASSERT_EQ(testing_support::RunWith("lang ja\nlang zz\n", [&] { plat::headless::MainLoop(); }), 0);
  EXPECT_EQ(f->gs.language, zz);
}
