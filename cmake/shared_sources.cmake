# The sources every build of the game shares, the desktop's and the
# browser's: the platform's core and the player's files. Each build adds its
# own backend pieces (fonts, pictures, key names, packing) beside them.
set(MOKI_PLATFORM_CORE_SOURCES
  src/platform/surface.cpp
  src/platform/text.cpp
  src/platform/glyph_sheet.cpp
  src/platform/json_escape.cpp
  src/platform/controls.cpp
  src/platform/random.cpp
  src/platform/program_dir.cpp
  src/platform/session.cpp
  src/platform/event_pump.cpp
  src/platform/menu_bar_draw.cpp
  src/platform/window_input.cpp
  src/platform/player_setup.cpp
  src/platform/keyboard.cpp
  src/platform/window_resize.cpp
  src/platform/pad_buttons.cpp
  src/platform/pad_input.cpp
  src/platform/fit_scale.cpp
  src/platform/scenario.cpp)
set(MOKI_PLAYER_FILES_SOURCES
  src/player_files/user_files.cpp
  src/player_files/recording.cpp
  src/player_files/recording_writer.cpp
  src/player_files/recording_playback.cpp
  src/player_files/recording_file.cpp
  src/player_files/sessions.cpp
  src/player_files/settings.cpp
  src/player_files/settings_ini.cpp
  src/player_files/settings_current.cpp
  src/player_files/bindings.cpp)
