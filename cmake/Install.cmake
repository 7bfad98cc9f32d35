# "cmake --install" and the two Debian packages "cpack" makes: parquetix (the
# desktop program, the command line, the bundled home under share/parquetix,
# seeded into the user's data folder on first start, the desktop entry, icon
# and AppStream metadata) and parquetix-server (the server alone, as a
# systemd service).
include(GNUInstallDirs)

set(PARQUETIX_MAINTAINER "Parquetix maintainers <maintainers@parquetix.org>"
    CACHE STRING "Maintainer of the Debian packages, with a mail address that reaches them")
set(PARQUETIX_HOMEPAGE "https://parquetix.org" CACHE STRING "The project's web site")
set(PARQUETIX_SCREENSHOTS "${PARQUETIX_HOMEPAGE}/docs"
    CACHE STRING "Where the pictures of docs/ are published, for the AppStream screenshots")
set(PARQUETIX_APPSTREAM_ID org.parquetix.parquetix)

set(PARQUETIX_SHARE ${CMAKE_INSTALL_DATADIR}/parquetix)
# The programs find their installed home relative to themselves, so the
# tree can be moved (a temporary prefix, an unpacked package).
file(RELATIVE_PATH PARQUETIX_INSTALLED_HOME
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${PARQUETIX_SHARE})
target_compile_definitions(parquetix_common PRIVATE PARQUETIX_INSTALLED_HOME="${PARQUETIX_INSTALLED_HOME}")

install(TARGETS parquetix parquetix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT parquetix)
install(TARGETS parquetix-server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT server)

set(built_home ${CMAKE_BINARY_DIR}/bin)
install(FILES ${CMAKE_SOURCE_DIR}/home/parquetix.ini ${CMAKE_SOURCE_DIR}/home/ParquetixData.xml
        DESTINATION ${PARQUETIX_SHARE} COMPONENT parquetix)
install(FILES ${built_home}/Datastore/parquetix.db DESTINATION ${PARQUETIX_SHARE}/Datastore COMPONENT parquetix)
install(FILES ${built_home}/Datastore/Original/parquetix.db DESTINATION ${PARQUETIX_SHARE}/Datastore/Original
        COMPONENT parquetix)
install(DIRECTORY ${built_home}/Library DESTINATION ${PARQUETIX_SHARE} COMPONENT parquetix)
# Pictures and templates are optional parts of a home.
foreach(folder Pictures Template)
  install(DIRECTORY ${built_home}/${folder} DESTINATION ${PARQUETIX_SHARE} OPTIONAL COMPONENT parquetix)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/parquetix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT parquetix)
install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/parquetix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT parquetix)

# The release date of this version: the day its version line was last set.
execute_process(COMMAND git -C ${CMAKE_SOURCE_DIR} log -1 --format=%cs -G "project.Parquetix VERSION" -- CMakeLists.txt
                OUTPUT_VARIABLE PARQUETIX_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT PARQUETIX_RELEASE_DATE)
  string(TIMESTAMP PARQUETIX_RELEASE_DATE "%Y-%m-%d" UTC)
endif()
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(staged ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/parquetix.metainfo.xml.in ${staged}/${PARQUETIX_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${staged}/${PARQUETIX_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT parquetix)

# Manual pages, compressed as Debian installs them.
foreach(page parquetix parquetix-cli parquetix-server)
  configure_file(${packaging}/man/${page}.1.in ${staged}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${staged}/man/${page}.1.gz
                     COMMAND gzip -9nf -k ${page}.1
                     DEPENDS ${staged}/man/${page}.1
                     WORKING_DIRECTORY ${staged}/man
                     COMMENT "Compressing the manual page of ${page}")
  list(APPEND manual_pages ${staged}/man/${page}.1.gz)
endforeach()
add_custom_target(parquetix_manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${staged}/man/parquetix.1.gz ${staged}/man/parquetix-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT parquetix)
install(FILES ${staged}/man/parquetix-server.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT server)

# Each package's copyright file and its changelog, written from the commits
# when it is installed.
configure_file(${packaging}/copyright ${staged}/copyright @ONLY)
foreach(component parquetix server)
  set(package parquetix)
  if(component STREQUAL server)
    set(package parquetix-server)
  endif()
  set(doc ${CMAKE_INSTALL_DATADIR}/doc/${package})
  install(FILES ${staged}/copyright DESTINATION ${doc} COMPONENT ${component})
  install(CODE "execute_process(COMMAND sh ${packaging}/changelog.sh ${CMAKE_SOURCE_DIR} ${package}
                                  ${PROJECT_VERSION} \"${PARQUETIX_MAINTAINER}\" ${staged}/${package}.changelog.gz
                                COMMAND_ERROR_IS_FATAL ANY)"
          COMPONENT ${component})
  install(FILES ${staged}/${package}.changelog.gz DESTINATION ${doc} RENAME changelog.gz COMPONENT ${component})
  if(EXISTS ${packaging}/lintian/${package})
    install(FILES ${packaging}/lintian/${package} DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            COMPONENT ${component})
  endif()
endforeach()

# The service: its unit and settings name the installed program and /etc as
# the prefix has them (/usr has /etc and /lib/systemd/system, any other prefix
# keeps them inside itself), so they are written when installed.
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(SYSCONFDIR /etc)
    set(unitdir /lib/systemd/system)
  else()
    set(SYSCONFDIR \${CMAKE_INSTALL_PREFIX}/etc)
    set(unitdir \${CMAKE_INSTALL_PREFIX}/lib/systemd/system)
  endif()
  set(BINDIR \${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR})
  configure_file(${packaging}/server/parquetix-server.service.in ${staged}/parquetix-server.service @ONLY)
  file(INSTALL DESTINATION \${unitdir} TYPE FILE FILES ${staged}/parquetix-server.service)
  file(INSTALL DESTINATION \${SYSCONFDIR}/default TYPE FILE RENAME parquetix-server
       FILES ${packaging}/server/parquetix-server.default)
" COMPONENT server)

set(CPACK_PACKAGE_NAME parquetix)
set(CPACK_PACKAGE_VENDOR "The Parquetix developers")
set(CPACK_PACKAGE_CONTACT "${PARQUETIX_MAINTAINER}")
# The unit and /etc lie outside the prefix: install with DESTDIR, so the
# install scripts see the prefix /usr itself.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL parquetix server)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PARQUETIX_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_PARQUETIX_PACKAGE_NAME parquetix)
set(CPACK_DEBIAN_PARQUETIX_PACKAGE_SECTION utils)
# Qt's SQLite driver and platform plugins are loaded at run time, invisible
# to dpkg-shlibdeps.
set(CPACK_DEBIAN_PARQUETIX_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# parquetix-cli report --print hands its pages to the spooler's lp.
set(CPACK_DEBIAN_PARQUETIX_PACKAGE_RECOMMENDS "cups-client")
set(CPACK_DEBIAN_PARQUETIX_DESCRIPTION
    "live basketball statistics for three-a-side games
Parquetix is the program a statistician runs at a basketball game of three
players on court per team. It sets up a game from the local schedule,
records every event on a screen that shows the full court (shots with their
court point, free throws, rebounds, assists, steals, turnovers, fouls,
blocks, timeouts, substitutions) and advances the clock.
.
Every statistic is kept live, each event is sent at once to a statistics
server, dump files for scoreboard and TV-graphics software are rewritten,
and the whole game is saved after every event. Box scores, shot charts,
play-by-play lists, a score graph and roster sheets are printed, saved as
PDF or exported as spreadsheets.
.
The package holds the desktop program, parquetix-cli for scripted games,
reports and master data without a window, and a sample league.")

set(CPACK_DEBIAN_SERVER_PACKAGE_NAME parquetix-server)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION net)
set(CPACK_DEBIAN_SERVER_PACKAGE_DEPENDS adduser)
set(CPACK_DEBIAN_SERVER_DESCRIPTION
    "statistics server for Parquetix live basketball statistics
parquetix-server answers every request the Parquetix client makes of a
statistics server: live messages one by one and in batches, game uploads,
the master data update and the version file. It keeps every game's
messages in an SQLite database, shows a scoreboard of the games received
live and serves their messages as JSON.
.
The package runs it as the systemd service parquetix-server, as its own
system user, with its data in /var/lib/parquetix-server and its settings in
/etc/default/parquetix-server. It needs no desktop libraries.")
file(WRITE ${staged}/server-control/conffiles "/etc/default/parquetix-server\n")
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
    "${packaging}/server/postinst;${packaging}/server/prerm;${packaging}/server/postrm;${staged}/server-control/conffiles")

# The build keeps its debug information; the packages need not.
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
