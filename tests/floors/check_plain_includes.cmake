# The build keeps the picker's rooms apart by the include path each room sees,
# which holds only for headers included by their bare name: a path ("../form/x.h",
# "picker/win32/form/x.h") would reach past it through the project's own folder.
# Usage: cmake -DLAYER=<picker> -P check_plain_includes.cmake
file(GLOB_RECURSE sources ${LAYER}/*.h ${LAYER}/*.cpp)
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*/")
  foreach(line IN LISTS includes)
    file(RELATIVE_PATH name ${LAYER} ${source})
    string(STRIP "${line}" line)
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "no sources under ${LAYER}")
endif()
if(found)
  message(FATAL_ERROR "the picker includes by path, past its rooms:${found}")
endif()
message(STATUS "${count} files of the picker include by bare name")
