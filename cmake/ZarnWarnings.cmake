# Warnings for Zarn's own targets. Third-party headers come in as system includes, so the
# flags apply to our code only. ZARN_WARNINGS_AS_ERRORS (on in the presets that `make test`
# builds) turns every warning into an error.
option(ZARN_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(zarn_target_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
    if(ZARN_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
      -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
      -Wimplicit-fallthrough -Winvalid-pch)
    if(ZARN_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
    # GCC 12 warns of out-of-bounds copies inside std::string when it inlines the copy of a
    # table of strings at -O2 (its known false positives); the sanitizer build checks every
    # access for real.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow)
    endif()
  endif()
endfunction()
