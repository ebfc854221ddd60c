add_library(shell_warnings INTERFACE)
target_compile_options(shell_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

if(WIN32)
  # Wide Win32 entry points everywhere; no min/max macros to fight std::min.
  add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
endif()

option(SHELL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SHELL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
