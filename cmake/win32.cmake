# The cross build: the module and every Win32 program.
enable_language(RC)

set(VEXMOOR_ART_DIR "" CACHE PATH "Where the artwork generator wrote the bitmaps and their resource list")
set(VEXMOOR_OUTPUT_DIR "${CMAKE_BINARY_DIR}/.." CACHE PATH "Where the module file lands")

# Exact IEEE double arithmetic on SSE2 whatever the host does to the x87 unit.
set(VEXMOOR_WIN32_FLAGS -march=pentium4 -mfpmath=sse -msse2 -Wall -Wextra -Werror)
separate_arguments(VEXMOOR_PREFIX_MAP_LIST UNIX_COMMAND "${VEXMOOR_PREFIX_MAP}")

add_subdirectory(module)

# The panel host's portable drawing code builds for Windows as well.
add_library(vexpanel_draw_win32 STATIC
  ${CMAKE_SOURCE_DIR}/panel/pe_image.cpp
  ${CMAKE_SOURCE_DIR}/panel/dib.cpp
  ${CMAKE_SOURCE_DIR}/panel/gauge_bitmaps.cpp
  ${CMAKE_SOURCE_DIR}/panel/paint.cpp
  ${CMAKE_SOURCE_DIR}/panel/renderer.cpp
)
target_include_directories(vexpanel_draw_win32 PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(vexpanel_draw_win32 PRIVATE ${VEXMOOR_WIN32_FLAGS})
