# Project-wide warning and sanitizer flags, applied to every target below.
add_compile_options(-Wall -Wextra -Wpedantic)
if(ZM47_WERROR)
  add_compile_options(-Werror)
endif()
if(ZM47_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
