# The cross build: the module and every Win32 program.
enable_language(RC)

set(VEXMOOR_ART_DIR "" CACHE PATH "Where the artwork generator wrote the bitmaps and their resource list")
set(VEXMOOR_OUTPUT_DIR "${CMAKE_BINARY_DIR}/.." CACHE PATH "Where the module file lands")

# Exact IEEE double arithmetic on SSE2 whatever the host does to the x87 unit.
set(VEXMOOR_WIN32_FLAGS -march=pentium4 -mfpmath=sse -msse2 -Wall -Wextra -Werror)
separate_arguments(VEXMOOR_PREFIX_MAP_LIST UNIX_COMMAND "${VEXMOOR_PREFIX_MAP}")

add_subdirectory(module)
add_subdirectory(panel)
add_subdirectory(tests/fixtures)
