# The game as a web page, built with emscripten (emcmake cmake, by
# tools/web.sh): the game's own code and the platform's shared parts with the
# browser's backend, into index.html, index.js, index.wasm and index.data
# (the data, the pictures and the glyphs) in MOKI_WEB_OUT.
set(MOKI_WEB_OUT "${CMAKE_BINARY_DIR}/page" CACHE PATH "Where the page goes")
set(MOKI_GLYPHS "" CACHE FILEPATH "The glyphs made by the native build's mokimoki-glyphs")
if(NOT EXISTS "${MOKI_GLYPHS}")
  message(FATAL_ERROR "MOKI_GLYPHS: the glyphs file made by mokimoki-glyphs is needed")
endif()
# clang ignores the gcc-only optimize attribute.
add_compile_options(-Wno-unknown-attributes)
# Memory copies as one instruction of the browser's (bulk memory), and the
# pictures' row loops in its vector instructions (SIMD).
add_compile_options(-mbulk-memory -msimd128)
add_link_options(-mbulk-memory -msimd128)
# What the browser's C and C++ libraries lack, for every file.
add_compile_options(-include ${CMAKE_SOURCE_DIR}/src/platform/web_libc.h)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(MOKI_LANGUAGES en)
set(MOKI_CATALOGUE_CPP ${CMAKE_BINARY_DIR}/generated/story/catalogues.cpp)
set(MOKI_CATALOGUE_ARGS)
set(MOKI_CATALOGUE_FILES ${CMAKE_SOURCE_DIR}/po/mokimoki.pot)
foreach(lang IN LISTS MOKI_LANGUAGES)
  list(APPEND MOKI_CATALOGUE_ARGS ${lang}=${CMAKE_SOURCE_DIR}/po/${lang}.po)
  list(APPEND MOKI_CATALOGUE_FILES ${CMAKE_SOURCE_DIR}/po/${lang}.po)
endforeach()
file(GLOB MOKI_PO_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/po/*.py)
add_custom_command(OUTPUT ${MOKI_CATALOGUE_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/story
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/po/make_tables.py ${MOKI_CATALOGUE_CPP}
    ${CMAKE_SOURCE_DIR}/po/mokimoki.pot ${MOKI_CATALOGUE_ARGS}
  DEPENDS ${MOKI_CATALOGUE_FILES} ${MOKI_PO_TOOLS}
  COMMENT "Making the language tables from po/"
  VERBATIM)

add_library(moki_platform_web STATIC
  ${MOKI_PLATFORM_CORE_SOURCES}
  ${MOKI_PLAYER_FILES_SOURCES}
  src/platform/png_stb.cpp
  src/platform/text_baked.cpp
  src/platform/key_names_web.cpp
  src/platform/web_pads.cpp
  src/platform/web_memcmp.cpp
  src/player_files/zpack_stored.cpp)
target_include_directories(moki_platform_web PUBLIC src)

# stb_image comes with emscripten; its warnings are not ours.
target_include_directories(moki_platform_web SYSTEM PRIVATE ${EMSCRIPTEN_ROOT_PATH}/third_party)
# The game's version, for --version and the recordings.
configure_file(src/platform/version.h.in ${CMAKE_BINARY_DIR}/generated/platform/version.h @ONLY)
target_include_directories(moki_platform_web PUBLIC ${CMAKE_BINARY_DIR}/generated)

file(GLOB MOKI_GAME_SOURCES CONFIGURE_DEPENDS
  src/core/*.cpp src/shell/*.cpp src/world/*.cpp src/story/*.cpp src/match/*.cpp
  src/items/*.cpp src/render/*.cpp src/minigame/*.cpp)
add_library(moki_game STATIC ${MOKI_GAME_SOURCES} ${MOKI_CATALOGUE_CPP})
target_include_directories(moki_game PUBLIC src)
target_link_libraries(moki_game PUBLIC moki_platform_web)

add_executable(mokimoki src/app/main_sdl.cpp src/app/command_line.cpp
  src/platform/backend_html5.cpp)
target_include_directories(mokimoki PRIVATE src ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(mokimoki PRIVATE moki_game moki_platform_web)
set_target_properties(mokimoki PROPERTIES OUTPUT_NAME index SUFFIX ".html"
  RUNTIME_OUTPUT_DIRECTORY ${MOKI_WEB_OUT})
set(MOKI_WEB_FILES ${CMAKE_SOURCE_DIR}/web/shell.html ${CMAKE_SOURCE_DIR}/web/pre.js)
target_link_options(mokimoki PRIVATE
  -sASYNCIFY -sASYNCIFY_IMPORTS=['moki_wait'] -sASYNCIFY_STACK_SIZE=65536
  -sALLOW_MEMORY_GROWTH -sINITIAL_MEMORY=33554432
  -sENVIRONMENT=web -sEXIT_RUNTIME=0 -sMINIFY_HTML=0
  -sEXPORTED_RUNTIME_METHODS=['FS','ENV','addRunDependency','removeRunDependency','ccall']
  -lidbfs.js -Wl,--wrap=flock
  "SHELL:--shell-file ${CMAKE_SOURCE_DIR}/web/shell.html"
  "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/pre.js"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data@/data"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/assets@/assets"
  "SHELL:--preload-file ${MOKI_GLYPHS}@/fonts/glyphs.bin")
set_property(TARGET mokimoki APPEND PROPERTY LINK_DEPENDS ${MOKI_WEB_FILES} ${MOKI_GLYPHS})

# A match step timed in the browser, beside the native build's
# mokimoki-match-tick: a page of its own in bench/, on the headless backend.
add_executable(match_tick bench/match_tick/match_tick.cpp src/platform/backend_headless.cpp
  src/platform/downloads_desktop.cpp
  src/platform/headless_scenario.cpp)
target_link_libraries(match_tick PRIVATE moki_game moki_platform_web)
set_target_properties(match_tick PROPERTIES OUTPUT_NAME index SUFFIX ".html"
  RUNTIME_OUTPUT_DIRECTORY ${MOKI_WEB_OUT}/bench)
target_link_options(match_tick PRIVATE -sASYNCIFY -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web -sMINIFY_HTML=0
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data@/data"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/assets@/assets"
  "SHELL:--preload-file ${MOKI_GLYPHS}@/fonts/glyphs.bin")
