# Warnings for our own targets; -Werror only where QX_WERROR is on (CI).
option(QX_WERROR "Treat warnings as errors" OFF)
set(QX_SANITIZE "" CACHE STRING "Sanitizers to build with: address,undefined or thread")

add_library(qx_warnings INTERFACE)
target_compile_options(qx_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Woverloaded-virtual -Wcast-qual
  $<$<BOOL:${QX_WERROR}>:-Werror>)

if(QX_SANITIZE)
  add_compile_options(-fsanitize=${QX_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${QX_SANITIZE})
endif()
