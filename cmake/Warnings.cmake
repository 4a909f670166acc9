# Warnings for every target of the project: on, and treated as errors, so the
# tree stays clean.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
  -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
  -Werror
  # Records leave the host's fields to zero-initialisation on purpose.
  -Wno-missing-field-initializers)

add_library(project_sanitizers INTERFACE)
if(GAUGES_SANITIZE)
  target_compile_options(project_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
