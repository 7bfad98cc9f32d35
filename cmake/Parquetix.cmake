# Shared helpers: every subsystem folder is one static library built from the
# sources it holds, with the same warnings everywhere.

function(parquetix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
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
  if(ARG_GUI)
    target_compile_definitions(test_${name} PRIVATE PARQUETIX_WIDGET_TESTS)
    target_link_libraries(test_${name} PRIVATE Qt6::Widgets)
  endif()
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PARQUETIX_BIN=${CMAKE_BINARY_DIR}/bin;PARQUETIX_SOURCE=${CMAKE_SOURCE_DIR}"
               TIMEOUT 300)
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
