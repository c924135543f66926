# The native build: the artwork generator and the bitmaps it draws (which
# the cross build links into the module), the portable panel library, and
# the native tools and tests.
set(VEXMOOR_NATIVE_FLAGS -Wall -Wextra -Werror)
set(VEXMOOR_PREVIEW_DIR "${CMAKE_BINARY_DIR}/../preview" CACHE PATH "Where the preview pictures land")

# GoogleTest from Debian's sources.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# A GoogleTest program run by CTest. Its environment names the module file
# (VEXMOOR_MODULE) and the fixture modules (VEXMOOR_FIXTURES) that the cross
# build writes, and whatever ENVIRONMENT adds.
set(VEXMOOR_MODULE_FILE "${CMAKE_BINARY_DIR}/../vexmoor.gau")
set(VEXMOOR_FIXTURE_DIR "${CMAKE_BINARY_DIR}/../fixtures")
function(vexmoor_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} gtest_main gtest)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${VEXMOOR_NATIVE_FLAGS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "VEXMOOR_MODULE=${VEXMOOR_MODULE_FILE};VEXMOOR_FIXTURES=${VEXMOOR_FIXTURE_DIR};${T_ENVIRONMENT}")
endfunction()

add_subdirectory(resources/art)
add_subdirectory(panel)
add_subdirectory(tests/module)
add_subdirectory(tests/drawing)
add_subdirectory(tests/panel)
add_subdirectory(tests/render)
add_subdirectory(tools/vexpanel)
add_subdirectory(tests/vexpanel)
