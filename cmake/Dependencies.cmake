# TinyXML, jsoncpp and GoogleTest. The Windows builds take them from the prefix that scripts/setup
# built from Debian's sources; the native build takes Debian's -dev packages.
if(CMAKE_CROSSCOMPILING)
  set(THIRDPARTY_PREFIX "" CACHE PATH "Prefix of the third-party libraries built for this toolchain")
  if(NOT EXISTS "${THIRDPARTY_PREFIX}/lib/libtinyxml.a")
    message(FATAL_ERROR "THIRDPARTY_PREFIX does not hold the third-party build; run scripts/setup "
                        "and configure through scripts/build")
  endif()
  list(APPEND CMAKE_FIND_ROOT_PATH "${THIRDPARTY_PREFIX}")
  list(APPEND CMAKE_PREFIX_PATH "${THIRDPARTY_PREFIX}")
endif()

find_library(TINYXML_LIBRARY NAMES tinyxml REQUIRED)
find_path(TINYXML_INCLUDE_DIR NAMES tinyxml.h REQUIRED)
add_library(tinyxml::tinyxml UNKNOWN IMPORTED)
set_target_properties(tinyxml::tinyxml PROPERTIES
  IMPORTED_LOCATION "${TINYXML_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${TINYXML_INCLUDE_DIR}"
  INTERFACE_COMPILE_DEFINITIONS TIXML_USE_STL)

find_package(jsoncpp CONFIG REQUIRED)
if(TARGET jsoncpp_static)
  add_library(shell_jsoncpp ALIAS jsoncpp_static)
else()
  add_library(shell_jsoncpp ALIAS jsoncpp_lib)
endif()

if(BUILD_TESTING)
  find_package(GTest REQUIRED)
endif()
