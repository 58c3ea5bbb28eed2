# Warnings for the project's own code, and the sanitizers of the test build.
set(VARNIK_WARNINGS -Wall -Wextra)

if(VARNIK_SANITIZE)
  add_compile_options(-O1 -fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Applies the project's warning set to a target of its own.
function(varnik_warnings target)
  target_compile_options(${target} PRIVATE ${VARNIK_WARNINGS})
endfunction()
