# Shared helpers: every subsystem folder is one static library built from the
# sources it holds, with the same warnings everywhere.

function(parquetix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
endfunction()

# parquetix_library(NAME folder LINKS libs...)
function(parquetix_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  # A subfolder with a CMakeLists.txt of its own is a library of its own.
  file(GLOB_RECURSE sublists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(sublist IN LISTS sublists)
    get_filename_component(subdir ${sublist} DIRECTORY)
    set(kept)
    foreach(src IN LISTS srcs)
      cmake_path(IS_PREFIX subdir ${src} inside)
      if(NOT inside)
        list(APPEND kept ${src})
      endif()
    endforeach()
    set(srcs ${kept})
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    target_compile_definitions(${name} PUBLIC PARQUETIX_VERSION="${PROJECT_VERSION}")
    parquetix_warnings(${name})
  else()
    # A folder without sources yet still gives its dependants the same links.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
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
