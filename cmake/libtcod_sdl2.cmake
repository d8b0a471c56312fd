# Read by libtcod's project() in the web build: a static-only SDL 2.0.20
# exports SDL2::SDL2-static, and libtcod links SDL2::SDL2.
find_package(SDL2 CONFIG REQUIRED)
if(NOT TARGET SDL2::SDL2)
  add_library(SDL2::SDL2 INTERFACE IMPORTED)
  target_link_libraries(SDL2::SDL2 INTERFACE SDL2::SDL2-static)
endif()
