# Fails when one of PROGRAMS (a list) loads a Qt library, directly or through another
# library: nothing that ldd lists for it may be a libQt.
#
# cmake "-DPROGRAMS=a;b" -P CheckNoQtLinked.cmake
cmake_minimum_required(VERSION 3.25)
find_program(LDD ldd REQUIRED)
set(failed FALSE)
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${LDD} ${program} OUTPUT_VARIABLE libraries ERROR_VARIABLE error
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(NOTICE "${program}: ldd failed: ${error}")
    set(failed TRUE)
    continue()
  endif()
  string(REGEX MATCHALL "libQt[^ \t\n]*" qt "${libraries}")
  if(qt)
    list(REMOVE_DUPLICATES qt)
    message(NOTICE "${program} loads ${qt}")
    set(failed TRUE)
  else()
    message(STATUS "${program} loads no Qt library")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "a program that must stay Qt-free loads Qt")
endif()
