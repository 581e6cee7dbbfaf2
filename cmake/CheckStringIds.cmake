# The string ids of the layers' id headers (*Strings.h under SOURCE_DIR): a name is declared
# once, and one text id has one name across the headers (a header may give an id a second
# name of its own, e.g. the first of a range). Two names for one text in two layers drift
# apart; two ids for one text leave translators one of them to forget.
#
# cmake -DSOURCE_DIR=<src> -P CheckStringIds.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*Strings.h)
set(problems "")
foreach(header IN LISTS headers)
  file(STRINGS ${SOURCE_DIR}/${header} lines REGEX "constexpr int k[A-Za-z0-9_]+ = [0-9]+")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "(k[A-Za-z0-9_]+) = ([0-9]+)" ignored "${line}")
    set(name ${CMAKE_MATCH_1})
    set(id ${CMAKE_MATCH_2})
    if(DEFINED name_${name})
      list(APPEND problems "${name} is declared in ${name_${name}} and in ${header}")
    endif()
    set(name_${name} ${header})
    if(DEFINED id_${id} AND NOT id_${id} STREQUAL header)
      list(APPEND problems "id ${id} is ${idname_${id}} in ${id_${id}} and ${name} in ${header}")
    endif()
    if(NOT DEFINED id_${id})
      set(id_${id} ${header})
      set(idname_${id} ${name})
    endif()
  endforeach()
endforeach()
if(problems)
  string(REPLACE ";" "\n" text "${problems}")
  message(FATAL_ERROR "${text}")
endif()
