# `cmake --install` for dyeplate's users: the library where the platform keeps
# libraries (with its import library on Windows), its header, a CMake package and a
# pkg-config file. Only products are installed: tests, benchmarks and the GoogleTest a
# build may fetch have no rules of their own here.
include(CMakePackageConfigHelpers)

set(DYEPLATE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/dyeplate)

install(TARGETS dyeplate EXPORT dyeplateTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/engine/colour_table.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/dyeplate)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(EXPORT dyeplateTargets NAMESPACE dyeplate:: DESTINATION ${DYEPLATE_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/dyeplateConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/dyeplateConfig.cmake
  INSTALL_DESTINATION ${DYEPLATE_CMAKE_DIR})
# A new major version is a new ABI; the size check keeps a 32-bit consumer off a
# 64-bit install and the other way round.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/dyeplateConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dyeplateConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/dyeplateConfigVersion.cmake
        DESTINATION ${DYEPLATE_CMAKE_DIR})

# MSVC users have no pkg-config; everyone else may. The file finds its prefix from
# where it lies, so `--install --prefix` anywhere gives a working one.
if(NOT MSVC)
  set(dyeplate_pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  if(IS_ABSOLUTE ${CMAKE_INSTALL_LIBDIR})
    set(DYEPLATE_PC_PREFIX ${CMAKE_INSTALL_PREFIX})
  else()
    file(RELATIVE_PATH dyeplate_pc_up /prefix/${dyeplate_pc_dir} /prefix)
    string(REGEX REPLACE "/$" "" dyeplate_pc_up ${dyeplate_pc_up})
    set(DYEPLATE_PC_PREFIX "\${pcfiledir}/${dyeplate_pc_up}")
  endif()
  foreach(dir LIBDIR INCLUDEDIR)
    if(IS_ABSOLUTE ${CMAKE_INSTALL_${dir}})
      set(DYEPLATE_PC_${dir} ${CMAKE_INSTALL_${dir}})
    else()
      set(DYEPLATE_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
    endif()
  endforeach()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/dyeplate.pc.in ${CMAKE_CURRENT_BINARY_DIR}/dyeplate.pc
                 @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dyeplate.pc DESTINATION ${dyeplate_pc_dir})
endif()

if(TARGET tintwell)
  install(TARGETS tintwell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
