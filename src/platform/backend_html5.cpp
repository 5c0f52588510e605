// The browser's backend: the game in a page, on the HTML5 API. The picture
// (the menu bar over the 608 x 448 play area) is enlarged as on the desktop,
// by whole multiples or as large as it fits (fit_scale.h), into a canvas that
// fills the page. Keys, the mouse, focus and the page's size come as DOM
// events, queued here and handled by the game's own waits, which give the
// browser its turn (Asyncify) until an event or a deadline wakes them.
// Controllers come through the Gamepad API, full screen through the
// Fullscreen API. Everything else (Timer1, the pump, pacing, the message
// box, the menu bar drawn) is the platform's core (backend.h). The page
// (web/shell.html, web/pre.js) mounts the player's storage where the desktop
// keeps the files and claims the save for one tab.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/downloads.h"
#include "platform/fit_scale.h"
#include "platform/internal.h"
#include "platform/json_escape.h"
#include "platform/keycodes.h"
#include "platform/pad_buttons.h"
#include "platform/player_setup.h"
#include "platform/text.h"
#include "platform/web_keys.h"
#include "platform/web_pads.h"
#include "platform/window_input.h"

// --- The page's side -------------------------------------------------------------

// Sleeps at most ms, or until the page has an event for the game (keysOnly:
// a key, or the page losing the focus).
EM_JS(void, moki_wait, (int ms, int keysOnly), {
  Asyncify.handleSleep(function(wakeUp) {
    var done = false;
    var timer = 0;
    var finish = function() {
      if (done) return;
      done = true;
      clearTimeout(timer);
      Module.mokiWake = null;
      wakeUp();
    };
    timer = setTimeout(finish, ms);
    Module.mokiWake = finish;
    Module.mokiWakeForKeysOnly = keysOnly;
  });
});

// An event came in: the game's wait ends, once this event handler has returned.
EM_JS(void, moki_wake, (int isKey), {
  var wake = Module.mokiWake;
  if (wake && (isKey || !Module.mokiWakeForKeysOnly)) Promise.resolve().then(wake);
});

// The page's size in device pixels.
EM_JS(void, moki_page_size, (int* w, int* h), {
  var ratio = window.devicePixelRatio || 1;
  HEAP32[w >> 2] = Math.max(1, Math.round(window.innerWidth * ratio));
  HEAP32[h >> 2] = Math.max(1, Math.round(window.innerHeight * ratio));
});

EM_JS(double, moki_pixel_ratio, (), { return window.devicePixelRatio || 1; });

// The canvas covers the picture only, at (x, y) of the page (device pixels),
// on the page's black: the browser then takes in and composes a picture's
// worth of pixels each frame, not a page's.
EM_JS(void, moki_place_canvas, (int x, int y, int w, int h), {
  var c = Module.canvas;
  var ratio = window.devicePixelRatio || 1;
  if (c.width != w || c.height != h) {
    c.width = w;
    c.height = h;
  }
  c.style.left = (x / ratio) + "px";
  c.style.top = (y / ratio) + "px";
  c.style.width = (w / ratio) + "px";
  c.style.height = (h / ratio) + "px";
});

// Puts the rectangle (x, y, w, h) of the canvas-sized RGBA pixels at rgba on
// the canvas. The picture over them is made once, and again only when the
// memory under it moved or the canvas changed size.
EM_JS(void, moki_upload, (const void* rgba, int cw, int ch, int x, int y, int w, int h), {
  var c = Module.canvas;
  if (!Module.mokiContext)
    Module.mokiContext = c.getContext("2d", {alpha : false, desynchronized : true});
  var img = Module.mokiImage;
  if (!img || img.data.buffer != HEAPU8.buffer || img.data.byteOffset != rgba || img.width != cw ||
      img.height != ch) {
    img = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, cw * ch * 4), cw, ch);
    Module.mokiImage = img;
  }
  Module.mokiContext.putImageData(img, 0, 0, x, y, w, h);
});

EM_JS(void, moki_set_fullscreen, (int on), {
  try {
    if (on && !document.fullscreenElement) {
      var p = document.documentElement.requestFullscreen();
      if (p && p.catch) p.catch(function(){});
    } else if (!on && document.fullscreenElement) {
      var q = document.exitFullscreen();
      if (q && q.catch) q.catch(function(){});
    }
  } catch (e) {
  }
});

EM_JS(int, moki_is_fullscreen, (), { return document.fullscreenElement ? 1 : 0; });

EM_JS(void, moki_set_title, (const char* title), { document.title = UTF8ToString(title); });

// A message that ends the game, shown over the page.
EM_JS(void, moki_fatal, (const char* text), {
  if (Module.mokiFatal) Module.mokiFatal(UTF8ToString(text));
});

// A file handed to the player: the browser downloads it under its name.
EM_JS(void, moki_offer_download, (const char* name, const void* bytes, int n), {
  var link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([HEAPU8.slice(bytes, bytes + n)], {
    type:
      "application/octet-stream"
  }));
  link.download = UTF8ToString(name);
  link.style.display = "none";
  document.body.appendChild(link);
  link.click();
  setTimeout(
      function() {
        URL.revokeObjectURL(link.href);
        link.remove();
      },
      60000);
});

// For the tests: the hash of each new frame, kept while the page asks.
EM_JS(int, moki_wants_hashes, (), { return Module.mokiFrameHashes ? 1 : 0; });
EM_JS(void, moki_note_frame, (uint32_t hash), { Module.mokiFrameHashes.push(hash >>> 0); });

// Whether this tab may write the save (pre.js asked the Web Locks API).
EM_JS(int, moki_save_is_ours, (), { return Module.mokiSecondCopy ? 0 : 1; });

// The save's folder is claimed by a lock on it (user_files.cpp); in the
// browser the tab that holds the page's Web Lock holds every folder, and a
// second tab none.
extern "C" int __real_flock(int fd, int operation);
extern "C" int __wrap_flock(int fd, int operation) {
  if (!moki_save_is_ours()) {
    errno = EWOULDBLOCK;
    return -1;
  }
  return __real_flock(fd, operation);
}

namespace plat {

namespace {

using internal::kMenuBarH;
constexpr int kFullH = kMenuBarH + kPlayH;
static_assert(kFullH == internal::kWindowH);
constexpr double kRefreshMs = 1000.0 / 60.0;
// Controllers have no events of their own: they are looked at this often
// while the game waits.
constexpr int kPadLookMs = 16;
constexpr int kMostWaitMs = 100;
// How far the game may run ahead of the clock through frames like the one
// on the screen, not waiting for them.
constexpr double kMostAheadMs = 150;

enum class EvKind { KeyDown, KeyUp, MouseDown, MouseMove, Blur, Resize, Fullscreen };
struct WebEvent {
  EvKind kind;
  int32_t key = 0;
  bool repeat = false, alt = false;
  int x = 0, y = 0;  // the page's device pixels
};

struct Web {
  Surface menuBar{kPlayW, kMenuBarH, kBlack};
  Surface menuBarShown{kPlayW, kMenuBarH, kBlack};
  Surface shown{kPlayW, kPlayH, kBlack};
  Surface composed{kPlayW, kPlayH, kBlack};
  Surface seen{kPlayW, kPlayH, kBlack};  // the play area with the controls, for the tests
  int pageW = 0, pageH = 0;              // device pixels
  bool pageResized = true;               // the page's size is to be asked again
  std::vector<uint32_t> pixels;          // the canvas as drawn, 0x00RRGGBB
  std::vector<uint32_t> rgba;            // the same as RGBA bytes, on their way to the canvas
  Area toSend;                           // what of rgba changed since it was last sent
  internal::Placement at;                // the picture on the page
  int canvasW = 0, canvasH = 0;          // the canvas: the part of it on the page, at (at.x, at.y)
  internal::FitScaler fit;
  bool barInPicture = true;
  bool redrawAll = true;
  bool fullscreen = false;
  double start = 0;
  double frameDue = -1e9;  // when the last frame was due on the screen
  std::deque<WebEvent> events;
  std::map<int32_t, bool> keysDown;  // keyboard keys the game saw go down
};

Web s;

double Now() {
  return emscripten_get_now() - s.start;
}

internal::Controls& MenuC() {
  return internal::GetControls();
}

int PictureH() {
  return s.barInPicture ? kFullH : kPlayH;
}

void PlacePicture() {
  const bool fit = CurrentWindowSetup().fit;
  s.at = fit ? internal::PlaceFit(s.pageW, s.pageH, kPlayW, PictureH())
             : internal::PlaceWhole(s.pageW, s.pageH, kPlayW, PictureH());
  s.canvasW = std::max(1, std::min(s.at.w, s.pageW - s.at.x));
  s.canvasH = std::max(1, std::min(s.at.h, s.pageH - s.at.y));
  moki_place_canvas(s.at.x, s.at.y, s.canvasW, s.canvasH);
  s.pixels.assign(size_t(s.canvasW) * size_t(s.canvasH), kBlack);
  s.rgba.assign(s.pixels.size(), 0);
  s.toSend = Area{};
  internal::Placement onCanvas = s.at;
  onCanvas.x = onCanvas.y = 0;
  if (fit) s.fit.Prepare(kPlayW, PictureH(), onCanvas);
}

// From the page's pixels to the picture's own.
void ToPicture(int& x, int& y) {
  x = x >= s.at.x ? int(int64_t(x - s.at.x) * kPlayW / std::max(1, s.at.w)) : -1;
  y = y >= s.at.y ? int(int64_t(y - s.at.y) * PictureH() / std::max(1, s.at.h)) : -1;
}

Area Enlarge(const Surface& part, int top, Area a) {
  if (CurrentWindowSetup().fit) {
    a.y += top;
    return s.fit.Draw(s.barInPicture ? &s.menuBarShown : nullptr, s.shown, a, s.pixels.data(),
                      s.canvasW, s.canvasH, s.canvasW);
  }
  return ScaleArea(part, a, s.at.scale, s.pixels.data(), s.canvasW, s.canvasH, s.canvasW, 0,
                   top * s.at.scale);
}

// A rectangle of the canvas as drawn, 0x00RRGGBB, becomes RGBA bytes, to be
// sent with the rest of the frame's.
void Convert(const Area& r) {
  if (r.w <= 0 || r.h <= 0) return;
  for (int row = r.y; row < r.y + r.h; ++row) {
    const size_t at = size_t(row) * size_t(s.canvasW) + size_t(r.x);
    const uint32_t* src = &s.pixels[at];
    uint32_t* dst = &s.rgba[at];
    for (int col = 0; col < r.w; ++col) {
      const uint32_t p = src[col];
      dst[col] = 0xFF000000u | ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    }
  }
  if (s.toSend.w <= 0 || s.toSend.h <= 0) {
    s.toSend = r;
    return;
  }
  const int x1 = std::max(s.toSend.x + s.toSend.w, r.x + r.w);
  const int y1 = std::max(s.toSend.y + s.toSend.h, r.y + r.h);
  s.toSend.x = std::min(s.toSend.x, r.x);
  s.toSend.y = std::min(s.toSend.y, r.y);
  s.toSend.w = x1 - s.toSend.x;
  s.toSend.h = y1 - s.toSend.y;
}

// What changed of the frame goes to the canvas in one piece: the browser
// takes a frame's pixels in once, however many places changed.
void Upload() {
  const Area& r = s.toSend;
  if (r.w > 0 && r.h > 0) moki_upload(s.rgba.data(), s.canvasW, s.canvasH, r.x, r.y, r.w, r.h);
  s.toSend = Area{};
}

void Send(const Surface& play) {
  if (s.pageResized) {
    moki_page_size(&s.pageW, &s.pageH);
    s.pageResized = false;
    s.redrawAll = true;
  }
  if (s.redrawAll) {
    PlacePicture();
    s.menuBarShown = s.menuBar;
    s.shown = play;
    if (s.barInPicture) Enlarge(s.menuBar, 0, Area{0, 0, kPlayW, kMenuBarH});
    Enlarge(play, s.barInPicture ? kMenuBarH : 0, Area{0, 0, kPlayW, kPlayH});
    Convert(Area{0, 0, s.canvasW, s.canvasH});
    Upload();
    s.redrawAll = false;
    return;
  }
  if (s.barInPicture)
    for (const Area& a : CatchUp(s.menuBarShown, s.menuBar)) Convert(Enlarge(s.menuBar, 0, a));
  for (const Area& a : CatchUp(s.shown, play))
    Convert(Enlarge(play, s.barInPicture ? kMenuBarH : 0, a));
  Upload();
}

// Frames are paced to the display's refresh, each due one refresh after the
// one before, and each pause gives the browser its turn to show the last.
// A frame like the one on the screen is not waited for (up to kMostAheadMs
// ahead): where little moves, the hero standing in the hall, the page wakes
// for the frames that change, not for sixty a second, and the walking keeps
// its pace. A key cuts the wait short, so that the game answers it at once;
// the pointer does not, so moving it does not hurry the walking.
bool Pace(bool changed) {
  const double now = Now();
  s.frameDue = std::max(s.frameDue + kRefreshMs, now);
  const double ahead = s.frameDue - now;
  if (ahead > 0 && (changed || ahead > kMostAheadMs)) {
    moki_wait(int(ahead + 0.5), 1);
    if (Now() < s.frameDue - 1) s.frameDue = Now();  // a key came first
  }
  return true;
}

void Show(const Surface& game, bool changed) {
  if (!changed) return;
  if (moki_wants_hashes()) moki_note_frame(PictureHash(internal::PlayAreaSeen(game, s.seen)));
  Send(internal::WithMenu(game, s.menuBar, s.composed, s.barInPicture));
}

// F11: the page asks the browser, which answers with an event.
bool ToggleFullscreen() {
  moki_set_fullscreen(s.fullscreen ? 0 : 1);
  return !s.fullscreen;
}

// The page's full screen came or went (F11, the menu, or the browser's Esc).
void FullscreenChanged() {
  const bool on = moki_is_fullscreen() != 0;
  if (on == s.fullscreen) return;
  s.fullscreen = on;
  s.barInPicture = !on;
  s.pageResized = true;
  internal::RecordFullscreen(on);
  internal::MarkDirty();
}

// Every key the game holds goes up: the page lost the focus, and the keys
// let go meanwhile will never be told.
void LetGoOfKeys() {
  const auto held = s.keysDown;
  s.keysDown.clear();
  for (const auto& k : held) internal::WindowKeyUp(internal::WindowKeyOf(k.first), k.first);
}

// Keys and the pointer go to the window's own handling (window_input.h),
// which hands the game what is the game's.
void KeyDown(const WebEvent& e) {
  if (internal::WindowKeyOf(e.key) != 0 || internal::BoundVk(e.key) != 0) s.keysDown[e.key] = true;
  internal::WindowKeyDown(internal::WindowKeyOf(e.key), e.key, e.alt, e.repeat);
}

void KeyUp(const WebEvent& e) {
  s.keysDown.erase(e.key);
  internal::WindowKeyUp(internal::WindowKeyOf(e.key), e.key);
}

void MouseDown(const WebEvent& e) {
  int x = e.x, y = e.y;
  ToPicture(x, y);
  internal::WindowMouseDown(x, y, s.barInPicture);
}

void MouseMove(const WebEvent& e) {
  int x = e.x, y = e.y;
  ToPicture(x, y);
  internal::WindowMouseMove(x, y);
}

void Handle(const WebEvent& e) {
  switch (e.kind) {
    case EvKind::KeyDown:
      KeyDown(e);
      break;
    case EvKind::KeyUp:
      KeyUp(e);
      break;
    case EvKind::MouseDown:
      MouseDown(e);
      break;
    case EvKind::MouseMove:
      MouseMove(e);
      break;
    case EvKind::Blur:
      LetGoOfKeys();
      break;
    case EvKind::Resize:
      s.pageResized = true;
      internal::MarkDirty();
      break;
    case EvKind::Fullscreen:
      FullscreenChanged();
      break;
  }
}

// --- What the core asks of the page ---------------------------------------------------

bool Poll() {
  bool handled = false;
  while (!s.events.empty()) {
    const WebEvent e = s.events.front();
    s.events.pop_front();
    Handle(e);
    handled = true;
  }
  return internal::LookAtWebPads() || handled;
}

// Gives the browser its turn until an event comes, or w says.
bool Sleep(const internal::Wake& w) {
  const double now = Now();
  double timeout = kMostWaitMs;
  for (const double at : {w.until, w.blink, w.resize})
    if (at != internal::kNever) timeout = std::min(timeout, at - now);
  if (internal::NeedsPresent()) timeout = std::min(timeout, kRefreshMs);
  if (internal::WebPadPresent()) timeout = std::min(timeout, double(kPadLookMs));
  moki_wait(int(std::max(0.0, std::ceil(timeout))), 0);
  if (!Poll()) return false;
  if (internal::NeedsPresent()) internal::ShowFrame();
  return true;
}

// --- DOM events, queued for the game ---------------------------------------------------

void Queue(const WebEvent& e) {
  s.events.push_back(e);
  const bool isKey = e.kind == EvKind::KeyDown || e.kind == EvKind::KeyUp || e.kind == EvKind::Blur;
  moki_wake(isKey ? 1 : 0);
}

// Keys the browser keeps: reloading, its tools, and shortcuts with Ctrl or
// the system key (Ctrl alone is the game's).
bool BrowsersKey(const EmscriptenKeyboardEvent* e, int32_t key) {
  if (key == keys::kF1 + 4 || key == keys::kF1 + 11) return true;  // F5, F12
  if (e->metaKey) return true;
  return e->ctrlKey && key != keys::kLeftCtrl && key != keys::kRightCtrl;
}

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* e, void*) {
  const int32_t key = KeyOfDomCode(e->code);
  if (BrowsersKey(e, key)) return EM_FALSE;
  if (key == 0) return EM_FALSE;
  WebEvent ev{type == EMSCRIPTEN_EVENT_KEYDOWN ? EvKind::KeyDown : EvKind::KeyUp};
  ev.key = key;
  ev.repeat = e->repeat;
  ev.alt = e->altKey && key != keys::kLeftAlt && key != keys::kRightAlt;
  Queue(ev);
  return EM_TRUE;  // arrows, Space, Alt and F11 are the game's, not the page's
}

EM_BOOL OnMouse(int type, const EmscriptenMouseEvent* e, void*) {
  if (type == EMSCRIPTEN_EVENT_MOUSEDOWN && e->button != 0) return EM_FALSE;
  const double ratio = moki_pixel_ratio();
  WebEvent ev{type == EMSCRIPTEN_EVENT_MOUSEDOWN ? EvKind::MouseDown : EvKind::MouseMove};
  ev.x = int(double(e->clientX) * ratio);
  ev.y = int(double(e->clientY) * ratio);
  Queue(ev);
  return type == EMSCRIPTEN_EVENT_MOUSEDOWN ? EM_TRUE : EM_FALSE;
}

EM_BOOL OnBlur(int, const EmscriptenFocusEvent*, void*) {
  Queue(WebEvent{EvKind::Blur});
  return EM_FALSE;
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*) {
  Queue(WebEvent{EvKind::Resize});
  return EM_FALSE;
}

EM_BOOL OnFullscreen(int, const EmscriptenFullscreenChangeEvent*, void*) {
  Queue(WebEvent{EvKind::Fullscreen});
  return EM_FALSE;
}

EM_BOOL OnPadConnected(int, const EmscriptenGamepadEvent*, void*) {
  moki_wake(0);
  return EM_FALSE;
}

void Listen() {
  const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  emscripten_set_keydown_callback(page, nullptr, EM_TRUE, OnKey);
  emscripten_set_keyup_callback(page, nullptr, EM_TRUE, OnKey);
  emscripten_set_mousedown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, OnMouse);
  emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, OnMouse);
  emscripten_set_blur_callback(page, nullptr, EM_TRUE, OnBlur);
  emscripten_set_resize_callback(page, nullptr, EM_TRUE, OnResize);
  emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE,
                                           OnFullscreen);
  emscripten_set_gamepadconnected_callback(nullptr, EM_TRUE, OnPadConnected);
}

bool KeyDownWaitingLive(int vk) {
  if (MenuC().menuOpen || internal::GetControls().boxUp) return false;
  for (const WebEvent& e : s.events)
    if (e.kind == EvKind::KeyDown && !e.repeat && !e.alt && !internal::CapturingKey() &&
        internal::BoundVk(e.key) == vk)
      return true;
  return false;
}

constexpr internal::Backend kWeb = {Now,
                                    Poll,
                                    [] {},
                                    Sleep,
                                    [] {},
                                    [] { return 0; },  // the page's size is the page's, not kept
                                    Pace,
                                    Show,
                                    KeyDownWaitingLive,
                                    [](const std::u32string&, const std::u32string&) {
                                      return internal::kNever;  // the player answers it
                                    },
                                    [] { s.redrawAll = true; },
                                    ToggleFullscreen};
[[maybe_unused]] const bool kInUse = (internal::UseBackend(kWeb), true);

}  // namespace

// --- The window ------------------------------------------------------------------------

void CreateMainWindow(const std::u32string& caption) {
  internal::PlatformScope platform;
  s.start = emscripten_get_now();
  SetCaption(caption);
  std::string err;
  if (!InitFonts(err)) FatalError(err);
  Listen();
  moki_page_size(&s.pageW, &s.pageH);
  // The page is the window: its scale is whatever the page gives.
  internal::WindowOpened(std::max(1, std::min(s.pageW / kPlayW, s.pageH / kFullH)));
  internal::MarkDirty();
  internal::ShowFrame();
}

void SetCaption(const std::u32string& caption) {
  moki_set_title(ToUtf8(caption).c_str());
}

[[noreturn]] void Quit() {
  // A page cannot close itself: the game ends, and the page says so.
  internal::AtEnd(internal::Ending::Quit);
  std::fflush(nullptr);
  moki_fatal("");
  emscripten_force_exit(0);
  __builtin_unreachable();
}

[[noreturn]] void FatalError(const std::string& msg) {
  internal::AtEnd(internal::Ending::Fatal, msg);
  std::cerr << internal::MessageLead() << msg << "\n";
  moki_fatal(msg.c_str());
  emscripten_force_exit(1);
  __builtin_unreachable();
}

bool OfferDownload(const std::string& name, const std::string& bytes) {
  moki_offer_download(name.c_str(), bytes.data(), int(bytes.size()));
  return true;
}
bool FilesAreDownloaded() {
  return true;
}

// The page plays no recordings back; a recording made here plays on the desktop.
bool internal::PlaybackWait(uint32_t) {
  return true;
}

[[noreturn]] void internal::PlaybackStop(int code) {
  emscripten_force_exit(code);
  __builtin_unreachable();
}

}  // namespace plat

// --- For the page's tests ---------------------------------------------------------------
// The game's state as the headless build dumps it, and a hash of what the
// player sees of the play area (FNV-1a over its pixels, as the headless
// build's frame hashes), read by the tests between two frames.
extern "C" EMSCRIPTEN_KEEPALIVE const char* moki_state_json() {
  static std::string json;
  auto& h = plat::internal::GetHandlers();
  const auto& c = plat::internal::GetControls();
  json = h.dumpJson ? h.dumpJson() : "{}";
  if (json.size() < 2 || json.back() != '}') json = "{}";
  json.pop_back();
  json += std::string(json.size() > 1 ? "," : "") +
          "\"menuOpen\":" + (c.menuOpen ? "true" : "false") +
          ",\"menuIndex\":" + std::to_string(c.menuIndex) +
          ",\"boxUp\":" + (c.boxUp ? "true" : "false") +
          ",\"boxText\":" + plat::JsonString(plat::ToUtf8(c.boxText)) +
          ",\"label1Visible\":" + (c.labelVisible ? "true" : "false") +
          ",\"fit\":" + (plat::FitScaling() ? "true" : "false") +
          ",\"fullscreen\":" + (plat::s.fullscreen ? "true" : "false") +
          ",\"padLast\":" + (plat::PadUsedLast() ? "true" : "false") + "}";
  return json.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE uint32_t moki_frame_hash() {
  return plat::PictureHash(plat::internal::PlayAreaSeen(plat::internal::PlayArea(), plat::s.seen));
}
