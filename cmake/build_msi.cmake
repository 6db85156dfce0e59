# Builds one per-user installer from a tintwell.wxs that package_msi.cmake configured:
# stages the files beside it, runs wixl, then adds with msibuild what wixl cannot write.
#   cmake -DWIXL=... -DMSIBUILD=... -DWXS=<tintwell.wxs> -DFILES=<a;b;...>
#         (FILES may also be separated by "|")
#         -DVERSION=1.2.3 -DARCH=x64|x86 -DUPGRADE_CODE=<guid> -DOUTPUT=<file.msi>
#         -P build_msi.cmake
# The version is a parameter so that a test can build the same package as a later
# release, to see it replace this one.
foreach(parameter WIXL MSIBUILD WXS FILES VERSION ARCH UPGRADE_CODE OUTPUT)
  if(NOT DEFINED ${parameter} OR "${${parameter}}" STREQUAL "")
    message(FATAL_ERROR "build_msi.cmake: ${parameter} is not given")
  endif()
endforeach()
if(NOT VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "build_msi.cmake: ${VERSION} is no version Windows Installer compares")
endif()

string(REPLACE "|" ";" FILES "${FILES}")
get_filename_component(output ${OUTPUT} ABSOLUTE)
set(stage ${output}.stage)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(COPY ${WXS} ${FILES} DESTINATION ${stage})
get_filename_component(wxs_name ${WXS} NAME)

execute_process(COMMAND ${WIXL} --arch ${ARCH} -D Version=${VERSION} -o package.msi ${wxs_name}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "wixl failed (${rc})")
endif()

# The major upgrade: up to this version inclusive (513 = migrate the features, maximum
# inclusive), as wixl's MajorUpgrade has no AllowSameVersionUpgrades. The x86 and x86-64
# packages of one release go into the same folder, and one must not be installed beside
# the other as a second product. Attributes is part of the table's key, so the row is
# written again rather than updated.
set(queries
  "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'"
  "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('{${UPGRADE_CODE}}', '${VERSION}', 513, 'WIX_UPGRADE_DETECTED')")
# The console program's folder on the user's PATH, when there is a console program:
# the Environment table (imported from its text form, as its value holds a ";") and
# the two standard actions that act on it.
set(imports "")
if(EXISTS ${stage}/tintwell-cli.exe)
  # "=-": set at install, taken away at uninstall, for the user (no "*"); "[~];"
  # puts the folder after whatever the user's PATH already holds.
  file(WRITE ${stage}/Environment.idt
    "Environment\tName\tValue\tComponent_\r\n"
    "s72\tl255\tL255\ts72\r\n"
    "Environment\tEnvironment\r\n"
    "TintwellCliOnPath\t=-Path\t[~];[INSTALLDIR]\tPrograms\r\n")
  set(imports -i Environment.idt)
  list(APPEND queries
    "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveEnvironmentStrings', 3300)"
    "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteEnvironmentStrings', 5200)")
endif()
set(arguments "")
foreach(query IN LISTS queries)
  list(APPEND arguments -q "${query}")
endforeach()
execute_process(COMMAND ${MSIBUILD} package.msi ${imports} ${arguments}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "msibuild failed (${rc})")
endif()

# Renamed into place when whole, so that a failed build leaves no package that looks done.
file(RENAME ${stage}/package.msi ${output})
file(REMOVE_RECURSE ${stage})
