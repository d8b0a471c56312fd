# The Debian package: cpack --config build/CPackConfig.cmake (or the `package` target).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ember-vortex)
set(CPACK_PACKAGE_VERSION ${EV_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ember Vortex developers")
set(EV_PACKAGE_MAINTAINER "The Ember Vortex developers <embervortex@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${EV_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vertical shoot-'em-up drawn entirely in characters")
# CPack puts the summary first: the long description follows it.
set(CPACK_PACKAGE_DESCRIPTION
    "Fly a ship up a scrolling stage through waves of drones, darts, gunships
and carriers, past a mid-stage boss, to the fortress at the end. Every ship,
bullet, spark and star is one character on a 50 by 70 console at 60 frames
per second. Plays with the keyboard or a gamepad, keeps a high-score table,
and records games to a file to play them back frame for frame.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The runtime libraries, never the -dev packages the build used: worked out
# from the executable where dpkg-shlibdeps is at hand (dpkg-dev), else named.
find_program(EV_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(EV_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libtcod1, libsdl2-2.0-0, libsdl2-mixer-2.0-0, libc6, libstdc++6, libgcc-s1")
endif()
include(CPack)
