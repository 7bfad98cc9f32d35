# Shared helpers: every subsystem folder is one static library built from the
# sources it holds, with the same warnings everywhere.

# Off by default, so a newer compiler's new warning does not stop a
# developer's build; CI turns it on (scripts/test.sh when CI=true).
option(PARQUETIX_WERROR "Treat warnings in the project's own code as errors" OFF)
# address,undefined or thread: the sanitizer builds of scripts/sanitize.sh.
set(PARQUETIX_SANITIZE "" CACHE STRING "Sanitizers to build every target with (address,undefined or thread)")
option(PARQUETIX_PCH "Precompile the Qt, standard and GoogleTest headers each target uses" ON)
option(PARQUETIX_LLD "Link with lld when the compiler can" ON)
# Half of a cold build went into the test programs' own sources, mostly into
# their full debug information; line tables keep failures' backtraces exact.
# OFF gives the tests the build type's flags, to step through a test's locals.
option(PARQUETIX_LEAN_TESTS "Compile the tests' own sources at -O1 with line tables only" ON)
set(_parquetix_test_flags)
if(PARQUETIX_LEAN_TESTS)
  set(_parquetix_test_flags "$<$<CONFIG:RelWithDebInfo>:-O1;-g1>")
endif()

if(PARQUETIX_SANITIZE)
  # A finding fails the test that caused it instead of scrolling past.
  add_compile_options(-fsanitize=${PARQUETIX_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${PARQUETIX_SANITIZE})
endif()

if(PARQUETIX_LLD)
  include(CheckLinkerFlag)
  check_linker_flag(CXX -fuse-ld=lld PARQUETIX_HAVE_LLD)
  if(PARQUETIX_HAVE_LLD)
    # The programs carry the whole model with its debug information; lld
    # links them in about two thirds of the GNU linker's time.
    add_link_options(-fuse-ld=lld)
  endif()
endif()

# -Wpedantic changes predefined macros, so precompiled headers take these too.
set(PARQUETIX_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)

function(parquetix_warnings target)
  target_compile_options(${target} PRIVATE ${PARQUETIX_WARNING_FLAGS})
  if(PARQUETIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  set_property(GLOBAL APPEND PROPERTY PARQUETIX_TARGETS ${target})
endfunction()

# Include folders: a target sees only the headers of its own folder and of the
# libraries it links, so an include without a link edge fails to compile.
# build/include/<target>/<folder> mirrors the source folder through symbolic
# links; a subfolder with its own CMakeLists.txt is a library of its own and
# is left out. Includes keep their form, "model/game/TGame.h".

# Links `dst` to the source folder `src`, leaving out nested library folders.
function(_parquetix_mirror src dst)
  file(GLOB_RECURSE nested LIST_DIRECTORIES false RELATIVE ${src} ${src}/*/CMakeLists.txt)
  if(NOT nested)
    file(CREATE_LINK ${src} ${dst} SYMBOLIC)
    return()
  endif()
  file(MAKE_DIRECTORY ${dst})
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${src} ${src}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${src}/${child})
      if(NOT EXISTS ${src}/${child}/CMakeLists.txt)
        _parquetix_mirror(${src}/${child} ${dst}/${child})
      endif()
    else()
      file(CREATE_LINK ${src}/${child} ${dst}/${child} SYMBOLIC)
    endif()
  endforeach()
endfunction()

# parquetix_expose(target scope folder): makes `folder` (a source folder) the
# headers `target` shows under its path relative to the source root; scope is
# PUBLIC for libraries, PRIVATE for programs.
function(parquetix_expose target scope folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${folder})
  # Laid out afresh on every configure, so a moved header leaves no stale path
  # (removing a link never touches the source folder behind it).
  file(REMOVE_RECURSE ${root}/${rel})
  get_filename_component(parent ${root}/${rel} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  _parquetix_mirror(${folder} ${root}/${rel})
  target_include_directories(${target} ${scope} ${root})
endfunction()

# The sources of a folder without those of nested library folders.
function(parquetix_sources out folder)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  file(GLOB_RECURSE nested CONFIGURE_DEPENDS ${folder}/*/CMakeLists.txt)
  set(kept)
  foreach(src ${srcs})
    set(keep TRUE)
    foreach(lists ${nested})
      get_filename_component(sub ${lists} DIRECTORY)
      string(FIND "${src}" "${sub}/" at)
      if(at EQUAL 0)
        set(keep FALSE)
      endif()
    endforeach()
    if(keep AND NOT src MATCHES "/main\\.cpp$")
      list(APPEND kept ${src})
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

# parquetix_library(NAME LINKS libs... [PRIVATE libs...]): the library of
# the current folder; PRIVATE links stay out of its dependants' view.
function(parquetix_library name)
  cmake_parse_arguments(ARG "" "" "LINKS;PRIVATE" ${ARGN})
  parquetix_sources(srcs ${CMAKE_CURRENT_SOURCE_DIR})
  if(srcs)
    add_library(${name} STATIC ${srcs})
    parquetix_expose(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE ${ARG_PRIVATE})
    target_compile_definitions(${name} PUBLIC PARQUETIX_VERSION="${PROJECT_VERSION}")
    parquetix_warnings(${name})
  else()
    # A folder without sources yet still gives its dependants the same links.
    add_library(${name} INTERFACE)
    parquetix_expose(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LINKS})
  endif()
endfunction()

# parquetix_test_code(target): `target` is test code (a test program or its
# support library): the test flags and the test precompiled headers.
function(parquetix_test_code target)
  target_compile_options(${target} PRIVATE ${_parquetix_test_flags})
  set_property(TARGET ${target} PROPERTY PARQUETIX_TEST_CODE ON)
endfunction()

# parquetix_test(NAME folder LINKS libs...): one GoogleTest program per folder
# of tests/, every case registered with CTest, run without a display.
function(parquetix_test name)
  cmake_parse_arguments(ARG "GUI" "" "LINKS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${name} ${srcs} ${CMAKE_CURRENT_SOURCE_DIR}/support/TestMain.cpp)
  target_include_directories(test_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_${name} PRIVATE ${ARG_LINKS} parquetix_testsupport GTest::gtest GTest::gmock)
  parquetix_warnings(test_${name})
  parquetix_test_code(test_${name})
  if(ARG_GUI)
    target_compile_definitions(test_${name} PRIVATE PARQUETIX_WIDGET_TESTS)
    target_link_libraries(test_${name} PRIVATE Qt6::Widgets)
  endif()
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PARQUETIX_BIN=${CMAKE_BINARY_DIR}/bin;PARQUETIX_SOURCE=${CMAKE_SOURCE_DIR}"
               TIMEOUT 300 LABELS ${name})
endfunction()

# parquetix_require_links(target ALLOWED items...): stops the configuration
# when `target`, or a project library it links, links anything else. Called
# once every folder has declared its links.
function(parquetix_require_links target)
  cmake_parse_arguments(ARG "" "" "ALLOWED" ${ARGN})
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    list(APPEND seen ${current})
    get_target_property(links ${current} LINK_LIBRARIES)
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface)
      # A private link of a static library reaches its users as $<LINK_ONLY:x>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(NOT link OR link MATCHES "-NOTFOUND$")
        continue()
      endif()
      if(NOT link IN_LIST ARG_ALLOWED)
        message(FATAL_ERROR "${current} links ${link}; ${target} may only rest on: ${ARG_ALLOWED}")
      endif()
      if(TARGET ${link} AND link MATCHES "^parquetix_" AND NOT link IN_LIST seen)
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
endfunction()

# Precompiled headers. Most of a cold build's time went into parsing the same
# Qt, standard library and GoogleTest headers again in every source, so each
# kind of target (Qt Core, Gui or Widgets, with or without GoogleTest) gets
# them compiled once, by a small target of its own, and every project target
# of that kind reuses it. Only headers from outside the project: ours change
# too often and would rebuild everything when one does.
set(_parquetix_pch_core
  <algorithm> <array> <functional> <map> <memory> <optional> <set> <string> <utility> <vector>
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QJsonArray>
  <QJsonDocument> <QJsonObject> <QList> <QMap> <QObject> <QRegularExpression> <QSet> <QString>
  <QStringList> <QTemporaryDir> <QTextStream> <QTimer> <QVariant>)
set(_parquetix_pch_gui <QColor> <QFont> <QFontMetrics> <QImage> <QPainter> <QPainterPath> <QPixmap>)
set(_parquetix_pch_widgets
  <QApplication> <QCheckBox> <QComboBox> <QDialog> <QHBoxLayout> <QLabel> <QLineEdit> <QListWidget>
  <QMessageBox> <QPushButton> <QToolButton> <QVBoxLayout> <QWidget>)
set(_parquetix_pch_test <gtest/gtest.h>)

# The targets `target` links, directly or through the libraries it links.
function(_parquetix_link_closure target out)
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    set(links)
    get_target_property(type ${current} TYPE)
    get_target_property(imported ${current} IMPORTED)
    if(NOT imported AND NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${current} LINK_LIBRARIES)
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(NOT link OR link IN_LIST seen)
        continue()
      endif()
      # Imported targets found in a subfolder are not visible here: kept by name.
      list(APPEND seen ${link})
      if(TARGET ${link})
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# The target that compiles the headers of one kind, made on first use with
# the flags of the targets that use it.
function(_parquetix_pch_donor kind libs headers test)
  set(donor parquetix_pch_${kind})
  if(NOT TARGET ${donor})
    set(src ${CMAKE_BINARY_DIR}/pch/${kind}.cpp)
    file(CONFIGURE OUTPUT ${src} CONTENT "// The precompiled headers of the ${kind} targets.\n")
    add_library(${donor} OBJECT ${src})
    target_link_libraries(${donor} PRIVATE ${libs})
    target_compile_options(${donor} PRIVATE ${PARQUETIX_WARNING_FLAGS})
    if(test)
      target_compile_options(${donor} PRIVATE ${_parquetix_test_flags})
    endif()
    target_precompile_headers(${donor} PRIVATE ${headers})
    set_target_properties(${donor} PROPERTIES AUTOMOC OFF)
  endif()
endfunction()

# Gives every project target the precompiled headers of its kind. Runs once
# all folders have declared their targets and links.
function(_parquetix_precompile_all)
  if(NOT PARQUETIX_PCH)
    return()
  endif()
  get_property(targets GLOBAL PROPERTY PARQUETIX_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      continue()
    endif()
    _parquetix_link_closure(${target} closure)
    if(Qt6::Widgets IN_LIST closure)
      set(kind widgets)
      set(libs Qt6::Widgets)
      set(headers ${_parquetix_pch_core} ${_parquetix_pch_gui} ${_parquetix_pch_widgets})
    elseif(Qt6::Gui IN_LIST closure)
      set(kind gui)
      set(libs Qt6::Gui)
      set(headers ${_parquetix_pch_core} ${_parquetix_pch_gui})
    elseif(Qt6::Core IN_LIST closure)
      set(kind core)
      set(libs Qt6::Core)
      set(headers ${_parquetix_pch_core})
    else()
      continue()
    endif()
    get_target_property(test ${target} PARQUETIX_TEST_CODE)
    if(test)
      find_package(GTest REQUIRED)
      string(APPEND kind _test)
      list(APPEND libs GTest::gtest)
      list(APPEND headers ${_parquetix_pch_test})
    endif()
    _parquetix_pch_donor(${kind} "${libs}" "${headers}" "${test}")
    target_precompile_headers(${target} REUSE_FROM parquetix_pch_${kind})
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _parquetix_precompile_all)
