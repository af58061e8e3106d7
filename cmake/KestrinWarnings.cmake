# Project-wide compile options applied to Kestrin's own targets only.
function(kestrin_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                         -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
                         -Woverloaded-virtual -Wimplicit-fallthrough)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports false -Wrestrict positives inside std::string at -O2.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(KESTRIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(KESTRIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer cannot be combined with AddressSanitizer: a build of its own.
if(KESTRIN_SANITIZE_THREAD)
  if(KESTRIN_SANITIZE)
    message(FATAL_ERROR "KESTRIN_SANITIZE_THREAD and KESTRIN_SANITIZE exclude each other")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
