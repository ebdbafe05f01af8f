cmake_minimum_required(VERSION 3.20)
# Fails when a core folder includes a header from a core folder it must not
# use. Run as: cmake -DAREA=<folder> -DALLOWED=<folder;folder> -DROOT=<dir>
#   -DCORE=<every core folder> -P check_layering.cmake
# Only quoted includes of the form "folder/file.h" are looked at; system and
# Qt headers cannot be reached from the core anyway (they are not on its path).
file(GLOB sources ${ROOT}/${AREA}/*.h ${ROOT}/${AREA}/*.cpp)
set(faults "")
foreach(src ${sources})
  file(STRINGS ${src} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z_]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([a-z_]+)/.*" "\\1" folder "${line}")
    if(folder IN_LIST CORE AND NOT folder STREQUAL AREA AND NOT folder IN_LIST ALLOWED)
      file(RELATIVE_PATH name ${ROOT} ${src})
      string(STRIP "${line}" line)
      list(APPEND faults "${name}: ${line}")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n  " listing)
  if(ALLOWED)
    list(JOIN ALLOWED ", " uses)
  else()
    set(uses "no other folder")
  endif()
  message(FATAL_ERROR "${AREA}/ may use only ${uses}; these includes go against that:\n  ${listing}")
endif()
