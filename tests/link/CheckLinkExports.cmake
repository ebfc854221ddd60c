# Checks that each stand-in link library exports exactly "CreatInstance" and "DestroyInstance",
# undecorated, as the program looks them up.
#   cmake -DOBJDUMP=<objdump> -DLIBRARIES=<dll>;<dll> -P CheckLinkExports.cmake
foreach(library IN LISTS LIBRARIES)
  if(NOT EXISTS "${library}")
    message(FATAL_ERROR "${library} was not built")
  endif()
  execute_process(COMMAND "${OBJDUMP}" -p "${library}" OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${library}")
  endif()
  string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([\t ]+\\[[^\n]+\n)+" table "${dump}")
  string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" exports "${table}")
  if(NOT exports MATCHES "^\\[ *0\\] CreatInstance;\\[ *1\\] DestroyInstance$")
    message(FATAL_ERROR "${library} exports: ${exports}")
  endif()
  message(STATUS "${library}: CreatInstance, DestroyInstance")
endforeach()
