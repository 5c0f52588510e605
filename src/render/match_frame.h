// The match frame: terrain, the status line, spheres, fake balls, rubber
// bands, the aim marks, the players and the ball, composed on Picture1 and
// copied to the window.
#pragma once

#include "core/window_object.h"

namespace moki {

// The 19 x 14 tiles of the field (or the basement floor), as one copy of a
// picture of them that is drawn again whenever terrainGrid has changed.
void DrawMatchTerrain(plat::Surface& dst, Form1& f);
// The red aim mark from radius 20 to 30 around a player's centre.
// Each of these returns the rectangle it may have drawn in.
plat::Area DrawAimMark(plat::Surface& dst, double x, double y, int angle);
// A player's sprite, its column chosen by its walking picture and its role.
plat::Area DrawPlayerSprite(plat::Surface& dst, const Form1& f, int slot);
// The ball sprite (black in the no-motivation course) at a position.
plat::Area DrawBallSprite(plat::Surface& dst, const Form1& f, double x, double y);

// Composes the frame and copies it to the window (the repaint uses this).
void DrawMatch(Form1& f);
// The same, then draws the waiting wind streaks on the window over it and
// shows it: the end of every match step.
void ShowMatchFrame(Form1& f);

// A white wind streak to draw straight on the window over the next frame
// shown, and then forget: it never enters Picture1, so a repaint wipes it.
void QueueWindowStreak(Form1& f, int x1, int y1, int x2, int y2);

}  // namespace moki
