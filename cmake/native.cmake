# The native build: the artwork generator and the bitmaps it draws (which
# the cross build links into the module), the portable panel library, and
# the native tools and tests.
set(VEXMOOR_NATIVE_FLAGS -Wall -Wextra -Werror)
set(VEXMOOR_PREVIEW_DIR "${CMAKE_BINARY_DIR}/../preview" CACHE PATH "Where the preview pictures land")

# GoogleTest from Debian's sources.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(resources/art)
add_subdirectory(panel)
add_subdirectory(tests/module)
add_subdirectory(tests/drawing)
add_subdirectory(tests/panel)
add_subdirectory(tests/render)
add_subdirectory(tools/vexpanel)
add_subdirectory(tests/vexpanel)
