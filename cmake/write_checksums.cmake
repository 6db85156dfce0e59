# Writes DIR/SHA256SUMS for every release zip and installer in DIR, in the format that
# `sha256sum -c SHA256SUMS` reads:  <hex digest><two spaces><file name>
#   cmake -DDIR=<folder> -P write_checksums.cmake
if(NOT DIR)
  message(FATAL_ERROR "usage: cmake -DDIR=<folder> -P write_checksums.cmake")
endif()
file(GLOB zips RELATIVE ${DIR} ${DIR}/tintwell-*-windows-*.zip ${DIR}/tintwell-*.msi)
list(SORT zips)
if(NOT zips)
  message(FATAL_ERROR "no release zip in ${DIR}")
endif()
set(sums "")
foreach(zip IN LISTS zips)
  file(SHA256 ${DIR}/${zip} digest)
  string(APPEND sums "${digest}  ${zip}\n")
endforeach()
# Written whole and then renamed, so a reader never sees half a list.
file(WRITE ${DIR}/SHA256SUMS.part "${sums}")
file(RENAME ${DIR}/SHA256SUMS.part ${DIR}/SHA256SUMS)
