// The headless backend's scenario executor: a scenario's commands run as
// the virtual clock reaches them, inside the game's own waits too, and the
// state they dump or wait for.
#include <iostream>

#include "platform/headless.h"
#include "platform/headless_engine.h"
#include "platform/internal.h"
#include "platform/json_escape.h"
#include "platform/pad_buttons.h"
#include "platform/player_setup.h"
#include "platform/png_io.h"
#include "platform/text.h"

namespace plat::hl {

namespace {

// The player's keys or buttons: {"left":["Left"],...}.
std::string KeysJson(bool pad) {
  std::string json(1, '{');
  const auto& actions = Actions();
  for (size_t k = 0; k < actions.size(); ++k) {
    if (k) json += ',';
    json += JsonString(actions[k].name);
    json += ":[";
    const auto& names = pad ? actions[k].buttons : actions[k].keys;
    for (size_t i = 0; i < names.size(); ++i) {
      if (i) json += ',';
      json += JsonString(names[i]);
    }
    json += ']';
  }
  json += '}';
  return json;
}

// The last box: its text and caption, and for a question its buttons and
// the answer (null while it is up).
std::string LastBoxJson() {
  std::string json = "{\"text\":" + JsonString(ToUtf8(g.boxText)) +
                     ",\"caption\":" + JsonString(ToUtf8(g.boxCaption));
  if (g.boxButtons.size() == 2) {
    const int chosen = internal::GetControls().boxUp ? -1 : internal::GetControls().boxChosen;
    json += ",\"buttons\":[" + JsonString(ToUtf8(g.boxButtons[0])) + "," +
            JsonString(ToUtf8(g.boxButtons[1])) + "],\"answer\":" +
            (chosen == 0   ? "\"yes\""
             : chosen == 1 ? "\"no\""
                           : "null");
  }
  return json + "}";
}

}  // namespace

bool PlatformField(const std::string& field, std::string& json) {
  const auto& c = internal::GetControls();
  if (field == "tick")
    json = std::to_string(uint32_t(g.now));
  else if (field == "timerEnabled")
    json = TimerEnabled() ? "true" : "false";
  else if (field == "label1Visible")
    json = c.labelVisible ? "true" : "false";
  else if (field == "menuStartEnabled")
    json = MenuEnabled(scenario::MenuIdNamed("start")) ? "true" : "false";
  else if (field == "menuContinueEnabled")
    json = MenuEnabled(scenario::MenuIdNamed("continue")) ? "true" : "false";
  else if (field == "yesNoVisible")
    json = std::string("[") + (c.yesNoVisible[0] ? "true" : "false") + "," +
           (c.yesNoVisible[1] ? "true" : "false") + "]";
  else if (field == "frames")
    json = std::to_string(g.frames);
  else if (field == "window")
    json = "{\"width\":" + std::to_string(g.windowW) + ",\"height\":" + std::to_string(g.windowH) +
           ",\"scale\":" + std::to_string(ShownScale()) +
           ",\"fullscreen\":" + (g.fullscreen ? "true" : "false") + "}";
  else if (field == "picture")  // its box in the window, or on the screen
    json = std::string("{\"scaling\":") + (FitScaling() ? "\"fit\"" : "\"whole\"") +
           ",\"x\":" + std::to_string(Picture().x) + ",\"y\":" + std::to_string(Picture().y) +
           ",\"w\":" + std::to_string(Picture().w) + ",\"h\":" + std::to_string(Picture().h) + "}";
  else if (field == "keys")
    json = KeysJson(false);
  else if (field == "pad")
    json = KeysJson(true);
  else if (field == "padLast")
    json = PadUsedLast() ? "true" : "false";
  else if (field == "menu")
    json = std::string("{\"open\":") + (c.menuOpen ? "true" : "false") +
           ",\"index\":" + std::to_string(c.menuIndex) +
           ",\"cursor\":" + std::to_string(c.menuCursor) + "}";
  else if (field == "lastMessageBox")
    json = g.boxCount == 0 ? "null" : LastBoxJson();
  else
    return false;
  return true;
}

std::string FieldJson(const std::string& field) {
  std::string json;
  if (PlatformField(field, json)) return json;
  auto& h = internal::GetHandlers();
  if (h.fieldJson && h.fieldJson(field, json)) return json;
  return "";
}

void EmitDump() {
  std::string line = headless::DumpJson();
  g.dumps.push_back(line);
  if (g.dumpSink) g.dumpSink(line);
}

// Runs the scenario's commands that are due now. Returns when the scenario
// waits for time to pass (or is finished).
void AdvanceScenario() {
  for (;;) {
    if (g.untilActive) {
      if (FieldJson(g.until.field) == g.until.value) {
        g.untilActive = false;
        continue;
      }
      if (g.now >= g.untilDeadline) {
        std::cerr << "scenario line " << g.until.line << ": until " << g.until.field << " "
                  << g.until.value << ": not reached within " << g.until.ms << " ms (it is "
                  << FieldJson(g.until.field) << ")\n";
        EndRun(3);
      }
      return;
    }
    if (g.now < g.blockedUntil) return;
    if (g.cursor >= g.commands.size()) return;
    const scenario::Command& c = g.commands[g.cursor++];
    switch (c.op) {
      case scenario::Op::Seed:
        internal::SeedRandom(c.seed);
        break;
      case scenario::Op::Settings:
        break;  // read when the scenario was loaded, before the game starts
      case scenario::Op::KeyDown:
        Insert({g.now, EvKind::KeyboardDown, c.key});
        break;
      case scenario::Op::KeyUp:
        Insert({g.now, EvKind::KeyboardUp, c.key});
        break;
      case scenario::Op::PressKey:
        Insert({g.now, EvKind::KeyboardDown, c.key});
        Insert({g.now + double(c.ms), EvKind::KeyboardUp, c.key});
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::Resize:
        // The player drags the window to this size; full screen has no edges.
        if (!g.fullscreen) {
          g.windowW = c.w;
          g.windowH = c.h;
          internal::WindowResized(g.now);
        }
        break;
      case scenario::Op::Wait:
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::Down:
        Insert({g.now, EvKind::KeyDown, c.key});
        break;
      case scenario::Op::Up:
        Insert({g.now, EvKind::KeyUp, c.key});
        break;
      case scenario::Op::Press:
        Insert({g.now, EvKind::KeyDown, c.key});
        Insert({g.now + double(c.ms), EvKind::KeyUp, c.key});
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::Menu:
        Insert({g.now, EvKind::Menu, c.menu});
        break;
      case scenario::Op::PadDown:
        Insert({g.now, EvKind::PadDown, c.key});
        break;
      case scenario::Op::PadUp:
        Insert({g.now, EvKind::PadUp, c.key});
        break;
      case scenario::Op::PadPress:
        Insert({g.now, EvKind::PadDown, c.key});
        Insert({g.now + double(c.ms), EvKind::PadUp, c.key});
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::PadStick:
        Insert({g.now, EvKind::PadStick, c.w, c.h});
        break;
      case scenario::Op::Close:
        Insert({g.now, EvKind::Close, 0});
        break;
      case scenario::Op::Until:
        g.untilActive = true;
        g.until = c;
        g.untilDeadline = g.now + double(c.ms);
        break;
      case scenario::Op::Shot: {
        std::string err;
        if (!SavePng(c.file, internal::PlayAreaSeen(internal::PlayArea(), g_frame), err))
          std::cerr << "scenario line " << c.line << ": " << err << "\n";
        break;
      }
      case scenario::Op::Dump:
        EmitDump();
        break;
      case scenario::Op::Lang: {
        auto& h = internal::GetHandlers();
        if (!h.language || !h.language(c.value)) {
          std::cerr << "scenario line " << c.line << ": no language '" << c.value << "'\n";
          EndRun(2);
        }
        break;
      }
    }
  }
}

bool ScenarioFinished() {
  return g.haveScenario && g.cursor >= g.commands.size() && !g.untilActive &&
         g.now >= g.blockedUntil;
}

}  // namespace plat::hl

namespace plat::headless {

using hl::g;

bool LoadScenario(const std::string& text, std::string& err) {
  std::vector<scenario::Command> cmds;
  if (!scenario::Parse(text, cmds, err)) return false;
  for (const scenario::Command& c : cmds)
    if (c.op == scenario::Op::Settings) {
      internal::LoadSetup(c.file);
      hl::OpenWindow();
    }
  g.commands = std::move(cmds);
  g.cursor = 0;
  g.haveScenario = true;
  return true;
}

const std::vector<std::string>& Dumps() {
  return g.dumps;
}
void SetDumpSink(std::function<void(const std::string&)> sink) {
  g.dumpSink = std::move(sink);
}

std::string DumpJson() {
  auto& h = internal::GetHandlers();
  std::string game = h.dumpJson ? h.dumpJson() : "{}";
  std::string extra;
  for (const char* f : {"tick", "timerEnabled", "label1Visible", "menuStartEnabled",
                        "menuContinueEnabled", "yesNoVisible", "frames", "lastMessageBox", "window",
                        "picture", "keys", "pad", "padLast", "menu"}) {
    std::string v;
    hl::PlatformField(f, v);
    extra += std::string(extra.empty() ? "" : ",") + "\"" + f + "\":" + v;
  }
  if (game.size() >= 2 && game.back() == '}') {
    game.pop_back();
    return game + (game.size() > 1 ? "," : "") + extra + "}";
  }
  return "{" + extra + "}";
}

}  // namespace plat::headless
