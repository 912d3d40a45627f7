# Warnings for Zarn's own targets. Third-party headers come in as system
# includes, so the flags apply to our code only.
function(zarn_target_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
      -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
      -Wimplicit-fallthrough)
  endif()
endfunction()
