# One warning list for every target of the project.
set(ORTIX_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wimplicit-fallthrough)
if(ORTIX_WARNINGS_AS_ERRORS)
  list(APPEND ORTIX_WARNING_FLAGS -Werror)
endif()
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:${ORTIX_WARNING_FLAGS}>")

if(ORTIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Strict IEEE arithmetic: results must be reproducible to the last digit.
add_compile_options(-fno-fast-math -ffp-contract=off)
