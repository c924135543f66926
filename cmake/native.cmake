# The native build: the artwork generator and the bitmaps it draws (which
# the cross build links into the module), the portable panel library, and
# the native tools and tests.
set(VEXMOOR_NATIVE_FLAGS -Wall -Wextra -Werror)
add_subdirectory(resources/art)
