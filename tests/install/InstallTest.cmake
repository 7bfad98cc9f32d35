# Installs the build into a temporary prefix and runs the installed
# parquetix-cli there with a fresh user data folder, as a user would after
# "cmake --install": its home must be seeded from share/parquetix.
# Inputs: BUILD_DIR, SOURCE_DIR, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
set(xdg ${WORK_DIR}/xdg)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}): ${err}")
endif()

foreach(file bin/parquetix bin/parquetix-cli bin/parquetix-server
             share/parquetix/parquetix.ini share/parquetix/ParquetixData.xml
             share/parquetix/Datastore/parquetix.db share/parquetix/Datastore/Original/parquetix.db
             share/parquetix/Library/ENG share/applications/parquetix.desktop
             share/icons/hicolor/scalable/apps/parquetix.svg
             share/man/man1/parquetix.1.gz share/man/man1/parquetix-cli.1.gz share/man/man1/parquetix-server.1.gz
             share/doc/parquetix/copyright share/doc/parquetix/changelog.gz
             share/doc/parquetix-server/copyright share/doc/parquetix-server/changelog.gz
             lib/systemd/system/parquetix-server.service etc/default/parquetix-server)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(GLOB metainfo ${prefix}/share/metainfo/*.metainfo.xml)
if(NOT metainfo)
  message(FATAL_ERROR "not installed: the AppStream metadata in share/metainfo")
endif()
# Outside /usr the service's unit and settings stay inside the prefix and
# name the program there.
file(READ ${prefix}/lib/systemd/system/parquetix-server.service unit)
foreach(line "ExecStart=${prefix}/bin/parquetix-server " "EnvironmentFile=-${prefix}/etc/default/parquetix-server")
  string(FIND "${unit}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the installed unit lacks \"${line}\":\n${unit}")
  endif()
endforeach()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=PARQUETIX_HOME XDG_DATA_HOME=${xdg} QT_QPA_PLATFORM=offscreen
          ${prefix}/bin/parquetix-cli play ${SOURCE_DIR}/demo/demo-game.txt
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed parquetix-cli failed (${rc}): ${err}")
endif()
if(NOT out MATCHES "Budapest Arena|DEMA1BCD2|Kiss Gabor")
  message(FATAL_ERROR "installed parquetix-cli printed no game:\n${out}\n${err}")
endif()

foreach(file parquetix.ini ParquetixData.xml Datastore/parquetix.db Library/ENG)
  if(NOT EXISTS ${xdg}/parquetix/${file})
    message(FATAL_ERROR "the user's home was not seeded with ${file}")
  endif()
endforeach()
if(EXISTS ${prefix}/bin/parquetix.ini OR EXISTS ${prefix}/bin/Datastore)
  message(FATAL_ERROR "the installed program made its home in bin/")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
