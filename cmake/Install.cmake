# "cmake --install" and the .deb: the three programs, the bundled home under
# share/parquetix (seeded into the user's data folder on first start), a
# desktop entry and an icon.
include(GNUInstallDirs)

set(PARQUETIX_SHARE ${CMAKE_INSTALL_DATADIR}/parquetix)
# The programs find their installed home relative to themselves, so the
# tree can be moved (a temporary prefix, an unpacked package).
file(RELATIVE_PATH PARQUETIX_INSTALLED_HOME
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${PARQUETIX_SHARE})
target_compile_definitions(parquetix_common PRIVATE PARQUETIX_INSTALLED_HOME="${PARQUETIX_INSTALLED_HOME}")

install(TARGETS parquetix parquetix-cli parquetix-server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(built_home ${CMAKE_BINARY_DIR}/bin)
install(FILES ${CMAKE_SOURCE_DIR}/home/parquetix.ini ${CMAKE_SOURCE_DIR}/home/ParquetixData.xml
        DESTINATION ${PARQUETIX_SHARE})
install(FILES ${built_home}/Datastore/parquetix.db DESTINATION ${PARQUETIX_SHARE}/Datastore)
install(FILES ${built_home}/Datastore/Original/parquetix.db DESTINATION ${PARQUETIX_SHARE}/Datastore/Original)
install(DIRECTORY ${built_home}/Library DESTINATION ${PARQUETIX_SHARE})
# Pictures and templates are optional parts of a home.
foreach(folder Pictures Template)
  install(DIRECTORY ${built_home}/${folder} DESTINATION ${PARQUETIX_SHARE} OPTIONAL)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/parquetix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/parquetix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME parquetix)
set(CPACK_PACKAGE_VENDOR "Parquetix")
set(CPACK_PACKAGE_CONTACT "Parquetix developers <parquetix@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Live basketball statistics for three-a-side games")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's SQLite driver and platform plugins are loaded at run time, invisible
# to dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# The build keeps its debug information; the package need not.
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
