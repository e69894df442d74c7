# The Debian package: CPack's DEB generator over the install rules of
# packaging/CMakeLists.txt with the prefix /usr, so the program folder is
# /usr/lib/velmora. `make package` builds what it holds and runs
# `cpack -G DEB` in the build folder, which writes velmora_<version>_<arch>.deb.
# The maker's name, addresses and notice are the ones the about screen shows
# (src/domain/CMakeLists.txt); a packager sets them at configure time.

set(VELMORA_MAKER_NAME "Gli autori di Velmora" CACHE STRING
    "The maker's name, as the package's maintainer and in its copyright file")
set(VELMORA_LICENSE "other" CACHE STRING
    "The licence's short name in the package's copyright file")
set(VELMORA_LICENSE_TEXT "The terms of use are stated by the maker, ${VELMORA_MAKER_WEB}" CACHE STRING
    "The licence's text in the package's copyright file")
set(VELMORA_MAINTAINER "${VELMORA_MAKER_NAME} <${VELMORA_MAKER_MAIL}>")

# The documents Debian wants of every package, in /usr/share/doc/velmora:
# the copyright file in its machine-readable form, and the changelog,
# compressed without a time in its header.
set(doc ${CMAKE_BINARY_DIR}/doc)
# The licence's text as the format wants it: each line indented, an empty
# line written as a dot.
string(REPLACE "\n\n" "\n.\n" licence "${VELMORA_LICENSE_TEXT}")
string(REPLACE "\n" "\n " licence " ${licence}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${doc}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${doc}/changelog @ONLY)
# The changelog's newest entry is this version.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^velmora \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog.in does not begin with version ${PROJECT_VERSION}: "
                      "add an entry for it")
endif()
if(UNIX)
  add_custom_command(OUTPUT ${doc}/changelog.gz
    COMMAND gzip -9nkf ${doc}/changelog
    DEPENDS ${doc}/changelog)
  add_custom_target(velmora-docs ALL DEPENDS ${doc}/changelog.gz)
  install(FILES ${doc}/copyright ${doc}/changelog.gz DESTINATION share/doc/velmora)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "work shift planner for a company's staff, in Italian")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Velmora plans the work shifts of the staff of a company, an association or an\n"
  "institute: daily and weekly shift tables per calendar year, timetable\n"
  "templates that a shift table imports, and a registry of workers with their\n"
  "contracts, identifier checks and the contracts due for renewal. Every record\n"
  "can carry three attached files; tables, templates and worker cards print on\n"
  "A4 sheets. The program's screens are in Italian.\n"
  "\n"
  "velmora-cli reads the same archives from the command line: JSON dumps,\n"
  "checks, searches, printed sheets as PDF, spreadsheets, hours and calendar\n"
  "files.")
set(CPACK_PACKAGE_CONTACT ${VELMORA_MAKER_MAIL})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_MAKER_WEB})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# velmora_<version>_<arch>.deb, the name Debian gives its own packages.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link, as dpkg-shlibdeps finds them; what Qt
# loads on its own (the SVG pictures' plugins, Qt's Italian texts are in the
# package), the fonts and the icon theme the screens draw with are named by
# hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation, fonts-dejavu-core, adwaita-icon-theme")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
