function(lg_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 at -O3 reports std::string concatenation in its own headers as
    # overlapping copies; the warning is false and would break Release builds.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(LG_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
