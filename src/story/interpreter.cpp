// The script interpreter: types text into the message window one character
// at a time and follows the control codes. It waits inside itself, handling
// events meanwhile, so the player's Space presses and choices reach it.
#include "platform/platform.h"
#include "story/actions.h"
#include "story/dialogue.h"
#include "story/script_text.h"
#include "core/waits.h"

namespace moki {

namespace {

constexpr uint32_t kTypingMs = 30;
constexpr uint32_t kLineBreakMs = 300;
// More codes than this in a row, with no text typed and nothing waited for,
// means the script is going round a circle of jumps that shows nothing and
// lets no event through; it is ended as if its jump had found no label.
constexpr int kMaxCodesWithoutWait = 10000;

void SyncPos(GameState& gs, int pos) {
  gs.scriptPos = static_cast<i16>(pos > 32767 ? 32767 : pos);
}

// The conversation states that move on by themselves at the end of a talk.
void AdvanceTalkState(GameState& gs, int speaker) {
  if (speaker < 0 || speaker >= kCastCount) return;
  i16& t = gs.talkEntry[size_t(speaker)];
  switch (speaker) {
    case 4:
      if (t == 0)
        t = 1;
      else if (t == 2)
        t = 3;
      break;  // 優雅
    case 5:
      t = 1;
      break;  // ベッカー
    case 6:
    case 9:
    case 11:
      if (t == 0) t = 1;
      break;  // トゥーミー, 信念, 本質
    case 10:  // エリー
      if (t == 0)
        t = 1;
      else if (t >= 2 && t <= 4)
        t = static_cast<i16>(t + 1);
      else if (t == 5)
        t = 3;
      break;
    case 12:
      t = 1;
      break;  // ジディー
    case 15:  // インビ
      if (t >= 0 && t <= 2)
        t = static_cast<i16>(t + 1);
      else if (t == 3)
        t = 1;
      break;
    default:
      break;
  }
}

}  // namespace

int FindLabel(const GameState& gs, char32_t label) {
  const WString& s = gs.scriptText;
  for (size_t i = 0; i + 1 < s.size(); ++i)
    if (s[i] == U'#' && s[i + 1] == label) return int(i) + 3;
  return int(s.size()) + 1;
}

void RunScript(Form1& f, int speaker) {
  GameState& gs = f.gs;
  int pos = 1;
  int codesWithoutWait = 0;
  gs.scriptSpeaker = static_cast<i16>(speaker);
  gs.pageStartPos = 1;
  // A change of language during a wait (SetLanguage) moves the script to the
  // same place in the other language's script: scriptPos, kept before each
  // wait at where the script goes on after it, then tells where that is.
  i16 language = gs.language;
  auto waitedAcrossSwitch = [&] {
    if (gs.language == language) return false;
    language = gs.language;
    pos = gs.scriptPos;
    return true;
  };
  for (;;) {
    if (codesWithoutWait > kMaxCodesWithoutWait) pos = int(gs.scriptText.size()) + 1;
    SyncPos(gs, pos);
    if (size_t(pos) > gs.scriptText.size()) {
      AdvanceTalkState(gs, speaker);
      gs.scriptText.clear();
      gs.dialogueState = -1;
      return;
    }
    char32_t c = ScriptChar(gs, pos);
    if (c != U'#') {
      gs.messageText += c;
      SyncPos(gs, ++pos);
      WaitMs(kTypingMs);
      waitedAcrossSwitch();
      codesWithoutWait = 0;
      continue;
    }
    ++pos;  // onto the code character
    char32_t k = ScriptChar(gs, pos);
    // Line breaks, page ends, questions and the two screens wait; the rest do not.
    const bool waits = k == U',' || k == U'.' || k == U'?' || k == U'R' || k == U'S';
    codesWithoutWait = waits ? 0 : codesWithoutWait + 1;
    switch (k) {
      case U',': {  // line break
        gs.messageText += LineBreakText(gs, speaker);
        SyncPos(gs, ++pos);
        WaitMs(kLineBreakMs);
        waitedAcrossSwitch();
        break;
      }
      case U'.': {  // page end: one Space made after the page is complete
        i16 seen = gs.dialogueState;
        SyncPos(gs, ++pos);
        plat::SetPageEndMark(true);  // the page is complete: Space turns it
        WaitWhile([&] { return gs.dialogueState == seen; });
        plat::SetPageEndMark(false);
        gs.messageText.clear();
        waitedAcrossSwitch();
        gs.pageStartPos = static_cast<i16>(pos);
        break;
      }
      case U'?': {  // yes/no question
        gs.choiceLabels = WString{ScriptChar(gs, pos + 1), ScriptChar(gs, pos + 2)};
        gs.choicePending = 1;
        gs.choiceCursor = 0;
        plat::SetYesNoVisible(0, true);
        plat::SetYesNoVisible(1, false);
        SyncPos(gs, pos + 3);
        WaitWhile([&] { return gs.choicePending == 1; });
        plat::SetYesNoVisible(0, false);
        plat::SetYesNoVisible(1, false);
        gs.messageText.clear();
        language = gs.language;  // the labels are the same in every language
        pos = FindLabel(gs, gs.choiceLabels[gs.choiceCursor == 1 ? 1 : 0]);
        gs.pageStartPos = static_cast<i16>(pos);
        break;
      }
      case U'G':  // jump; the page is not cleared
        pos = FindLabel(gs, ScriptChar(gs, pos + 1));
        break;
      case U'A': {  // entry dispatch by the speaker's conversation state
        int n = DigitValue(ScriptChar(gs, pos + 1));
        pos += 2;
        int entry = (speaker >= 0 && speaker < kCastCount) ? gs.talkEntry[size_t(speaker)] : -1;
        for (int j = 0; j <= n; ++j) {
          if (j == entry) {
            gs.messageText.clear();
            pos = FindLabel(gs, char32_t(U'0' + j));
            gs.pageStartPos = static_cast<i16>(pos);
            break;
          }
        }
        break;
      }
      default:
        // Anything else is an action code or, if not one, a label to skip.
        // The two screens wait; the script goes on right after them.
        if (k == U'R' || k == U'S') SyncPos(gs, pos + 1);
        if (!RunActionCode(f, speaker, pos)) {
          ++pos;
        } else if (k == U'C') {
          gs.pageStartPos = static_cast<i16>(pos);
        } else if (k == U'R' || k == U'S') {
          waitedAcrossSwitch();
        }
        break;
    }
  }
}

}  // namespace moki
