// Japanese text: the game's gothic font at 16 px, printing onto surfaces,
// measuring, and the message label's line layout.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace plat {

enum class FontKind { Regular, Bold };  // the label's font; the window's font

// A label's lines are this far apart; its width and height are the game's.
constexpr int kLabelLineHeight = 16;

// Finds and opens the font (IPAPGothic, or any font covering Japanese).
// Safe to call more than once. On failure returns false with a clear message.
bool InitFonts(std::string& err);

// Prints one line with its top-left corner at (x, y).
void PrintText(Surface& s, int x, int y, const std::u32string& text, Color c,
               FontKind font = FontKind::Bold);
int TextWidth(const std::u32string& text, FontKind font);
// Tests: called with every line PrintText prints (an empty function: none).
void SetPrintObserver(
    std::function<void(int x, int y, const std::u32string& text, Color c)> observer);

// Lays out label text: CR LF starts a new line, and a line wider than width
// wraps between characters, or, in the middle of a word of Latin letters,
// after the last space before that word (words = false: always between
// characters). A line neither ends on an opening bracket nor begins with a
// closing one or a Japanese stop, and a number is not cut. Returns the lines
// in order (possibly more than fit).
std::vector<std::u32string> LayoutLabel(const std::u32string& text, int width,
                                        FontKind font = FontKind::Regular, bool words = true);

std::string ToUtf8(const std::u32string& s);
std::u32string FromUtf8(const std::string& s);

}  // namespace plat
