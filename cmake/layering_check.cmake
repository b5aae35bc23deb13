# Checks that the toolkit-free code of src/ keeps its layers:
#   base -> codeplug -> {channels, features, files, link, sim, testmode} -> app
# A file may include its own folder and the folders below it. Among the subsystems an include
# from one to another is allowed, but never both ways. A subsystem may include app/context.h
# (the composition root) and nothing else of app/. Qt adapters (qt/) and windows (ui/) are not
# checked here: they build on the toolkit-free code of their own and lower folders.
#
#   cmake -DSRC=<source folder>/src -P cmake/layering_check.cmake
# Exits with an error and lists every offending include.

cmake_minimum_required(VERSION 3.25)

if(NOT SRC)
  message(FATAL_ERROR "usage: cmake -DSRC=<folder>/src -P layering_check.cmake")
endif()
# A relative folder is taken from the current directory; a folder without sources is an error,
# so a wrong path can never pass as "no problems".
get_filename_component(SRC "${SRC}" ABSOLUTE)

# Rank of each folder: a file may include folders of a lower rank, and of its own rank only
# when the pair of folders does not include each other.
set(rank_base 0)
set(rank_codeplug 1)
set(rank_channels 2)
set(rank_features 2)
set(rank_files 2)
set(rank_link 2)
set(rank_sim 2)
set(rank_testmode 2)
set(rank_app 3)

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
if(NOT files)
  message(FATAL_ERROR "layering: no sources found in ${SRC}")
endif()
set(problems "")
set(edges "")
foreach(f IN LISTS files)
  if(f MATCHES "^[^/]+/(.*/)?(qt|ui)/" OR NOT f MATCHES "/")
    continue()  # adapters, windows and main.cpp
  endif()
  string(REGEX MATCH "^[^/]+" from "${f}")
  if(NOT DEFINED rank_${from})
    list(APPEND problems "${f}: folder '${from}' has no place in the layers")
    continue()
  endif()
  file(STRINGS ${SRC}/${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" inc "${line}")
    if(NOT inc MATCHES "/")
      continue()  # a header beside the file
    endif()
    string(REGEX MATCH "^[^/]+" to "${inc}")
    if(to STREQUAL from)
      continue()
    endif()
    if(NOT DEFINED rank_${to})
      list(APPEND problems "${f}: includes \"${inc}\" from outside the layers")
      continue()
    endif()
    if(inc MATCHES "^[^/]+/(.*/)?(qt|ui)/")
      list(APPEND problems "${f}: toolkit-free code includes \"${inc}\"")
    elseif(to STREQUAL "app" AND rank_${from} EQUAL 2)
      if(NOT inc STREQUAL "app/context.h")
        list(APPEND problems "${f}: includes \"${inc}\" (only app/context.h is open to subsystems)")
      endif()
    elseif(rank_${to} GREATER rank_${from})
      list(APPEND problems "${f}: includes \"${inc}\" from a folder above its own")
    elseif(rank_${to} EQUAL rank_${from})
      list(APPEND edges "${from}>${to}")
      set(example_${from}_${to} "${f} -> ${inc}")
    endif()
  endforeach()
endforeach()

# Two subsystems that include each other.
list(REMOVE_DUPLICATES edges)
foreach(e IN LISTS edges)
  string(REPLACE ">" ";" pair "${e}")
  list(GET pair 0 a)
  list(GET pair 1 b)
  if("${a}" STRLESS "${b}" AND "${b}>${a}" IN_LIST edges)
    list(APPEND problems
         "'${a}' and '${b}' include each other: ${example_${a}_${b}} and ${example_${b}_${a}}")
  endif()
endforeach()

if(problems)
  list(LENGTH problems n)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "layering: ${n} include(s) break the layers:\n  ${text}")
endif()
list(LENGTH files n)
message(STATUS "layering: ${n} files of src/ keep their layers")
