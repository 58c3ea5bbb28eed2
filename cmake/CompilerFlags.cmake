# Warnings for the project's own code, and the sanitizers of the test builds.
set(VARNIK_WARNINGS -Wall -Wextra)

if(VARNIK_SANITIZE AND VARNIK_TSAN)
  message(FATAL_ERROR "VARNIK_SANITIZE and VARNIK_TSAN exclude each other: use two build folders")
endif()

if(VARNIK_SANITIZE)
  add_compile_options(-O1 -fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# ThreadSanitizer for the output thread's tests. Qt and GDAL are not built with it: what happens
# inside them is left to cmake/tsan.supp, which the tests of this build get; every other report
# stops the test.
if(VARNIK_TSAN)
  add_compile_options(-O1 -g -fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
  set(VARNIK_TSAN_OPTIONS "halt_on_error=1 second_deadlock_stack=1 suppressions=${PROJECT_SOURCE_DIR}/cmake/tsan.supp")
endif()

# Applies the project's warning set to a target of its own.
function(varnik_warnings target)
  target_compile_options(${target} PRIVATE ${VARNIK_WARNINGS})
endfunction()
