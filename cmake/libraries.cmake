# The game's libraries, the same for the desktop, fuzz and web builds; each
# names its libtcod, SDL2 and SDL2_mixer targets first (EV_TCOD, EV_SDL2,
# EV_SDL2_MIXER). From the bottom up:
#   ember_files    the data folder and its files: settings, controls, the
#                  high-score table, replays; libtcod's headers, nothing linked
#   ember_screens  the platform seam over SDL and libtcod (window, keys,
#                  joystick, sound, console) and the screens that need no game
#   ember_core     the game, the screens that run or read one, and start-up
set(EV_FILES_SOURCES shell/files.cpp shell/data_folder.cpp shell/settings.cpp shell/replay.cpp
    frontend/score_table.cpp)
list(TRANSFORM EV_FILES_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
add_library(ember_files STATIC ${EV_FILES_SOURCES})
target_include_directories(ember_files PUBLIC ${CMAKE_SOURCE_DIR})
# A replay keeps the console's colours and key codes: libtcod's types, not its code.
target_include_directories(ember_files SYSTEM PUBLIC
  $<TARGET_PROPERTY:${EV_TCOD},INTERFACE_INCLUDE_DIRECTORIES>)
if(EMSCRIPTEN)
  # The page keeps the saved files in the browser's storage.
  target_sources(ember_files PRIVATE ${CMAKE_SOURCE_DIR}/shell/page.cpp)
  target_link_libraries(ember_files PUBLIC ${EV_SDL2})
endif()

file(GLOB EV_SCREENS_SOURCES CONFIGURE_DEPENDS shell/*.cpp frontend/*.cpp)
list(APPEND EV_SCREENS_SOURCES ${CMAKE_SOURCE_DIR}/fx/glyph.cpp ${CMAKE_SOURCE_DIR}/game/motion.cpp)
# The title menu starts games and the continue offer reads one; main.cpp is the
# program's, page.cpp the files' on the web.
set(EV_NOT_SCREENS shell/main.cpp shell/page.cpp shell/startup.cpp shell/session.cpp
    frontend/title_menu.cpp frontend/continue_offer.cpp)
list(TRANSFORM EV_NOT_SCREENS PREPEND ${CMAKE_SOURCE_DIR}/)
list(REMOVE_ITEM EV_SCREENS_SOURCES ${EV_FILES_SOURCES} ${EV_NOT_SCREENS})
add_library(ember_screens STATIC ${EV_SCREENS_SOURCES})
target_link_libraries(ember_screens PUBLIC ember_files ${EV_TCOD} ${EV_SDL2_MIXER} ${EV_SDL2} m)

file(GLOB EV_CORE_SOURCES CONFIGURE_DEPENDS
  shell/*.cpp game/*.cpp enemies/*.cpp fx/*.cpp frontend/*.cpp)
list(REMOVE_ITEM EV_CORE_SOURCES ${EV_FILES_SOURCES} ${EV_SCREENS_SOURCES}
     ${CMAKE_SOURCE_DIR}/shell/main.cpp ${CMAKE_SOURCE_DIR}/shell/page.cpp)
add_library(ember_core STATIC ${EV_CORE_SOURCES})
target_link_libraries(ember_core PUBLIC ember_screens)
