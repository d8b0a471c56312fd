# The browser build: included by the top-level CMakeLists.txt under
# emscripten's toolchain (cmake --preset web), it builds the dependencies from
# third_party/, the fonts and sounds with a native build of the asset
# generator, and the page in build-web/page/.
enable_language(C)  # zlib
include(ExternalProject)

# Debian's emscripten optimises its JavaScript with acorn from Debian's own
# node modules, which the node on the PATH does not search: every link is
# given the folder here rather than in the player's environment.
set(EV_NODE_PATH /usr/share/nodejs:/usr/lib/nodejs)
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=${EV_NODE_PATH}")

add_subdirectory(third_party)

# A cross build cannot run the asset generator: the native project beside it
# (the desktop build's own CMakeLists.txt, tests off) draws the fonts and
# sounds into build-web/native/. It needs what the desktop build needs. The
# web tests compare the page with the desktop program, built there too. A
# desktop build already made (CI's build-release) can lend all of it instead:
# -DEV_NATIVE_DIR=that folder.
set(EV_NATIVE_DIR "" CACHE PATH "A desktop build whose assets and program the web build takes")
if(EV_NATIVE_DIR)
  set(EV_NATIVE ${EV_NATIVE_DIR})
  add_custom_target(native_assets)
else()
  set(EV_NATIVE ${CMAKE_BINARY_DIR}/native)
  set(native_targets assets)
  if(EV_BUILD_TESTS)
    list(APPEND native_targets ember_vortex)
  endif()
  cmake_host_system_information(RESULT native_jobs QUERY NUMBER_OF_LOGICAL_CORES)
  ExternalProject_Add(native_assets
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${EV_NATIVE}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DEV_BUILD_TESTS=OFF -DEV_WERROR=${EV_WERROR}
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${EV_NATIVE} --target ${native_targets} --parallel ${native_jobs}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${EV_NATIVE}/terminal/terminal.png)
endif()

# The game's libraries, as the desktop build has them, with the one file of
# the page's own (shell/page.cpp) among the files'.
set(EV_TCOD ev_libtcod)
set(EV_SDL2 ev_sdl2)
set(EV_SDL2_MIXER ev_sdl2_mixer)
include(cmake/libraries.cmake)
# Every library and program above them.
target_compile_options(ember_files PUBLIC
  "SHELL:-include ${CMAKE_SOURCE_DIR}/cmake/web_bit_cast.h")

# Linked for a page and for node alike: every screen of the game is a loop
# that flushes once a frame, so each flush must be able to return to the
# browser (ASYNCIFY); SDL's audio needs the function that resumes the audio
# context at the first key, which the link would otherwise leave out.
set(EV_WEB_LINK
  -sASYNCIFY -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB -sEXIT_RUNTIME=1
  # (a file: CMake's link scripts mangle a "$" in a flag)
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/cmake/web_library_funcs.json)

function(ev_web_program target source)
  add_executable(${target} ${source} ${ARGN})
  target_link_libraries(${target} PRIVATE ember_core)
  add_dependencies(${target} native_assets)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
    ${CMAKE_SOURCE_DIR}/cmake/web_library_funcs.json)
endfunction()

# The page: our own index.html, script and style beside the game's files.
set(EV_PAGE ${CMAKE_BINARY_DIR}/page)
ev_web_program(ember_vortex shell/main.cpp)
target_compile_definitions(ember_vortex PRIVATE EV_VERSION="${PROJECT_VERSION}")
set_target_properties(ember_vortex PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${EV_PAGE})
target_link_options(ember_vortex PRIVATE ${EV_WEB_LINK} -sENVIRONMENT=web -lidbfs.js
  "-sEXPORTED_RUNTIME_METHODS=[\"FS\"]"
  "SHELL:--preload-file ${EV_NATIVE}/terminal@/terminal"
  "SHELL:--preload-file ${EV_NATIVE}/sound@/sound")
set(page_files index.html page.js page.css)
set(page_outputs)
foreach(name IN LISTS page_files)
  add_custom_command(OUTPUT ${EV_PAGE}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/dist/web/${name} ${EV_PAGE}/${name}
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/web/${name})
  list(APPEND page_outputs ${EV_PAGE}/${name})
endforeach()
add_custom_command(OUTPUT ${EV_PAGE}/icon.png
  COMMAND ${CMAKE_COMMAND} -E copy ${EV_NATIVE}/icons/32x32.png ${EV_PAGE}/icon.png
  DEPENDS native_assets)
add_custom_target(page ALL DEPENDS ${page_outputs} ${EV_PAGE}/icon.png ember_vortex)

# The golden check and the benchmark under node: no window, no sound card
# (cmake/web_node_pre.js), the files embedded in the program (a package beside
# it would be looked for in the working folder), the golden files at /golden.
set(EV_NODE_LINK ${EV_WEB_LINK} -sENVIRONMENT=node
  "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/cmake/web_node_pre.js"
  "SHELL:--embed-file ${EV_NATIVE}/terminal@/terminal"
  "SHELL:--embed-file ${EV_NATIVE}/sound@/sound"
  "SHELL:--embed-file ${CMAKE_SOURCE_DIR}/tests/golden@/golden")
ev_web_program(golden_check tests/golden/golden_check.cpp tests/golden/golden.cpp
  tests/golden/session_pilot.cpp tools/assetgen/cp437.cpp)
# The benchmark is built when asked for (tools/web_figures.js builds it).
ev_web_program(frame_bench bench/frame_bench.cpp tests/golden/golden.cpp)
set_target_properties(frame_bench PROPERTIES EXCLUDE_FROM_ALL ON)
foreach(target golden_check frame_bench)
  target_compile_definitions(${target} PRIVATE EV_GOLDEN_DIR="/golden")
  target_link_options(${target} PRIVATE ${EV_NODE_LINK})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/node)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/web_node_pre.js)
endforeach()

if(EV_BUILD_TESTS)
  enable_testing()
  # The golden runs, played by the WebAssembly build: its trace and every
  # flush's notes must be the desktop's, byte for byte.
  foreach(run IN ITEMS Level Session)
    string(TOLOWER ${run} argument)
    add_test(NAME Web.Golden${run}UnderNode
      COMMAND node --no-experimental-fetch $<TARGET_FILE:golden_check> ${argument})
    set_tests_properties(Web.Golden${run}UnderNode PROPERTIES TIMEOUT 300)
  endforeach()
  # Needs Debian's chromium and `npm ci` in tests/web (skipped, 77, without the browser).
  add_test(NAME Web.PageInChromium
    COMMAND node ${CMAKE_SOURCE_DIR}/tests/web/page_test.js ${EV_PAGE}
            ${EV_NATIVE}/terminal/terminal.png ${EV_NATIVE}/ember_vortex
            ${CMAKE_SOURCE_DIR}/tests/golden/level.replay)
  set_tests_properties(Web.PageInChromium PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)
endif()
