if(LG_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(LG_FUZZ)
  # Everything is instrumented for coverage; only the fuzz executables get the libFuzzer main.
  # Undefined behaviour stops the run, so that the fuzzer keeps the input as a finding.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
