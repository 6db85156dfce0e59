# package_msi: the per-user installer tintwell-<version>-<arch>.msi in
# TINTWELL_PACKAGE_DIR, built by wixl (Debian's msitools) from packaging/tintwell.wxs.in
# (build_msi.cmake says how), and SHA256SUMS again. Needs no Wine: only the build's own
# files. Included after package_zip.cmake, whose README.txt and variables it shares.
# Without wixl there is no such target, and configure says why.
if(NOT TARGET package_zip)
  return()
endif()

find_program(TINTWELL_WIXL wixl)
find_program(TINTWELL_MSIBUILD msibuild)
if(NOT TINTWELL_WIXL OR NOT TINTWELL_MSIBUILD)
  message(STATUS "No package_msi target: it needs wixl and msibuild (Debian: wixl, msitools)")
  return()
endif()

# Every Tintwell package's, of both architectures: what the major upgrade looks for.
set(TINTWELL_MSI_UPGRADE_CODE 14464440-0356-4436-BBDB-029A32DC146E)
if(TINTWELL_ARCH STREQUAL x86_64)
  set(TINTWELL_MSI_PLATFORM x64)
  set(TINTWELL_MSI_WIN64 " Win64=\"yes\"")
else()
  set(TINTWELL_MSI_PLATFORM x86)
  set(TINTWELL_MSI_WIN64 "")
endif()

# The console program goes in wherever it is built, and then onto the user's PATH; a
# build without it makes an installer without either.
set(TINTWELL_MSI_FILES $<TARGET_FILE:tintwell> $<TARGET_FILE:dyeplate>)
set(TINTWELL_MSI_DEPENDS tintwell dyeplate)
set(TINTWELL_MSI_CLI_FILE "")
if(TARGET tintwell-cli)
  set(TINTWELL_MSI_CLI_FILE
      "              <File Id=\"tintwell_cli.exe\" Name=\"tintwell-cli.exe\" Source=\"tintwell-cli.exe\"/>")
  list(APPEND TINTWELL_MSI_FILES $<TARGET_FILE:tintwell-cli>)
  list(APPEND TINTWELL_MSI_DEPENDS tintwell-cli)
endif()
list(APPEND TINTWELL_MSI_FILES ${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/package/README.txt
     ${CMAKE_BINARY_DIR}/picker/win32/tintwell.ico)

set(TINTWELL_MSI_WXS ${CMAKE_BINARY_DIR}/package-msi/tintwell.wxs)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tintwell.wxs.in ${TINTWELL_MSI_WXS} @ONLY)

# How to build the package of a given version, for this target and for the test that
# installs one version over another.
# The files go as one argument, "|" between them: a ";" would split it in a command.
string(JOIN "|" tintwell_msi_file_argument ${TINTWELL_MSI_FILES})
set(TINTWELL_MSI_COMMAND ${CMAKE_COMMAND} -DWIXL=${TINTWELL_WIXL} -DMSIBUILD=${TINTWELL_MSIBUILD}
    -DWXS=${TINTWELL_MSI_WXS} "-DFILES=${tintwell_msi_file_argument}" -DARCH=${TINTWELL_MSI_PLATFORM}
    -DUPGRADE_CODE=${TINTWELL_MSI_UPGRADE_CODE})

set(tintwell_msi_name tintwell-${PROJECT_VERSION}-${TINTWELL_ARCH}.msi)
add_custom_target(package_msi
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TINTWELL_PACKAGE_DIR}
  COMMAND ${TINTWELL_MSI_COMMAND} -DVERSION=${PROJECT_VERSION}
          -DOUTPUT=${TINTWELL_PACKAGE_DIR}/${tintwell_msi_name}
          -P ${CMAKE_CURRENT_LIST_DIR}/build_msi.cmake
  COMMAND ${CMAKE_COMMAND} -DDIR=${TINTWELL_PACKAGE_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/write_checksums.cmake
  DEPENDS ${TINTWELL_MSI_DEPENDS}
  COMMENT "Building ${TINTWELL_PACKAGE_DIR}/${tintwell_msi_name}"
  VERBATIM)
# After the zip: both write SHA256SUMS for the whole folder, and two at once could
# leave a list without the other's file.
add_dependencies(package_msi package_zip)
