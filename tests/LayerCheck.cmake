# Keeps the folder layering honest: a folder may include only itself and the folders below it.
#   cmake -DSOURCE_DIR=<repo> -DCORE_FOLDERS=shell,listgen,... -P tests/LayerCheck.cmake
# CORE_FOLDERS is the core's own order, bottom to top (the order the top-level CMakeLists adds
# them in). kernel/ and suite/ lie below the core; windows/ lies above it and may include any core
# folder. Every other folder of the source tree (cli/, host/, tools/, tests/, ...) is above all of
# these, so a scanned folder including it is an error too.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT CORE_FOLDERS)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<repo> -DCORE_FOLDERS=a,b,... -P LayerCheck.cmake")
endif()
string(REPLACE "," ";" core "${CORE_FOLDERS}")
set(order kernel suite ${core} windows)

set(failures "")
set(below "")
foreach(folder IN LISTS order)
  list(APPEND below ${folder})
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
    continue()
  endif()
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.hpp"
       "${SOURCE_DIR}/${folder}/*.cpp")
  list(SORT sources)
  foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" target "${line}")
      string(REGEX REPLACE "/.*$" "" top "${target}")
      # Only the source tree's own folders count; a relative include into a subfolder does not.
      if(NOT IS_DIRECTORY "${SOURCE_DIR}/${top}" OR top IN_LIST below)
        continue()
      endif()
      string(APPEND failures "\n  ${source}: #include \"${target}\" (${top}/ is above ${folder}/)")
    endforeach()
  endforeach()
endforeach()

list(JOIN order " < " picture)
if(failures)
  message(FATAL_ERROR "Includes that point up the layers (${picture}):${failures}")
endif()
message(STATUS "Layers hold: ${picture}")
