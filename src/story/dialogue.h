// Talking: the Space key, the message window and running a script.
#pragma once

#include "core/window_object.h"

namespace moki {

// Space while no yes/no choice is pending: turn a page, close an ended
// dialogue (and start what it booked), or talk to the person in front.
void SpaceAction(Form1& f);
// Opens a dialogue with speaker's script: stops the timer, shows the message
// window and runs the script to its end (the window then waits for Space).
void OpenDialogue(Form1& f, int speaker);
// Runs scriptText for speaker from its first character to its end.
void RunScript(Form1& f, int speaker);

}  // namespace moki
