# package_zip: one zip per Windows architecture with what a user needs and nothing
# else - tintwell.exe, tintwell-cli.exe where it is built, dyeplate.dll, LICENSE and a
# README.txt that says what they are -
# and a SHA256SUMS beside it that covers every release zip in that folder, so two
# builds pointed at one TINTWELL_PACKAGE_DIR give one file for both.
if(NOT TARGET tintwell OR NOT TARGET dyeplate)
  return()
endif()

set(TINTWELL_PACKAGE_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Folder that package_zip writes its zip and SHA256SUMS into")
set(TINTWELL_SOURCE_LOCATION "the Tintwell git repository" CACHE STRING
    "Where a release's sources are to be had, as its README.txt tells users")
set(TINTWELL_SOURCE_REVISION "" CACHE STRING
    "Source revision named in README.txt (default: the checkout's commit at configure time)")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TINTWELL_ARCH x86_64)
else()
  set(TINTWELL_ARCH x86)
endif()

if(TINTWELL_SOURCE_REVISION STREQUAL "")
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} describe --always --dirty --abbrev=12
                  OUTPUT_VARIABLE TINTWELL_SOURCE_REVISION OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_rc ERROR_QUIET)
  if(NOT git_rc EQUAL 0 OR TINTWELL_SOURCE_REVISION STREQUAL "")
    set(TINTWELL_SOURCE_REVISION "unknown")
  endif()
endif()

# Windows users open it in Notepad: CRLF lines (the BOM comes with the template).
set(tintwell_package_stage ${CMAKE_BINARY_DIR}/package)
configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt.in ${tintwell_package_stage}/README.txt
               @ONLY NEWLINE_STYLE CRLF)

set(tintwell_zip_name tintwell-${PROJECT_VERSION}-windows-${TINTWELL_ARCH}.zip)
set(tintwell_zip_programs tintwell)
if(TARGET tintwell-cli)
  list(APPEND tintwell_zip_programs tintwell-cli)
endif()
set(tintwell_zip_files "")
set(tintwell_zip_names "")
foreach(program IN LISTS tintwell_zip_programs)
  list(APPEND tintwell_zip_files $<TARGET_FILE:${program}>)
  list(APPEND tintwell_zip_names $<TARGET_FILE_NAME:${program}>)
endforeach()
# cmake's own zip writer, so the target works wherever CMake does. The files are
# staged in one folder so that the archive holds them without any folder.
add_custom_target(package_zip
  COMMAND ${CMAKE_COMMAND} -E copy ${tintwell_zip_files} $<TARGET_FILE:dyeplate>
          ${PROJECT_SOURCE_DIR}/LICENSE ${tintwell_package_stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TINTWELL_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TINTWELL_PACKAGE_DIR}/${tintwell_zip_name}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${TINTWELL_PACKAGE_DIR}/${tintwell_zip_name} --format=zip
          ${tintwell_zip_names} $<TARGET_FILE_NAME:dyeplate> LICENSE README.txt
  COMMAND ${CMAKE_COMMAND} -DDIR=${TINTWELL_PACKAGE_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/write_checksums.cmake
  WORKING_DIRECTORY ${tintwell_package_stage}
  DEPENDS ${tintwell_zip_programs} dyeplate
  COMMENT "Packing ${TINTWELL_PACKAGE_DIR}/${tintwell_zip_name}"
  VERBATIM)
