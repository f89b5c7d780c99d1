# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P CheckInstall.cmake
# Installs the build into PREFIX (emptied first) and checks what a user gets:
# the program folder with the settings file, the link, the desktop entry, the
# icon and the metainfo; validates entry and metainfo when desktop-file-utils
# and appstream are installed; starts the program as the entry does; and
# installs again over a changed settings file, which must be kept.
foreach(variable BUILD_DIR PREFIX APP_ID)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} not given")
  endif()
endforeach()

# check("<if() condition>" "message"): fails with the message unless the condition holds.
function(check condition message)
  cmake_language(EVAL CODE "if(NOT (${condition}))\n  message(FATAL_ERROR [==[${message}]==])\nendif()")
endfunction()

function(install_build)
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
  endif()
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
install_build()

# The entry: its Exec and Icon name the installed files.
file(GLOB entries "${PREFIX}/share/applications/*.desktop")
list(LENGTH entries count)
check("count EQUAL 1" "expected one desktop entry, found: ${entries}")
set(entry "${PREFIX}/share/applications/${APP_ID}.desktop")
check("EXISTS \"${entry}\"" "no ${entry}")
file(STRINGS "${entry}" exec_line REGEX "^Exec=")
file(STRINGS "${entry}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Exec=\"(.*)\"$" "\\1" executable "${exec_line}")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
check("EXISTS \"${executable}\"" "Exec names ${executable}, which is not there")
check("EXISTS \"${icon}\"" "Icon names ${icon}, which is not there")
check("icon MATCHES \"/share/icons/hicolor/[0-9]+x[0-9]+/apps/${APP_ID}.png$\"" "icon outside the icon theme: ${icon}")

# The program folder: the executable with a whole settings record beside it.
get_filename_component(program_dir "${executable}" DIRECTORY)
set(settings "${program_dir}/Fluvano.qel")
check("EXISTS \"${settings}\"" "no settings file beside ${executable}")
file(SIZE "${settings}" size)
check("size EQUAL 164" "settings file of ${size} bytes")
check("IS_SYMLINK \"${PREFIX}/bin/fluvano\"" "no link ${PREFIX}/bin/fluvano")
file(REAL_PATH "${PREFIX}/bin/fluvano" linked)
file(REAL_PATH "${executable}" real_executable)
check("linked STREQUAL real_executable" "bin/fluvano leads to ${linked}")
check("EXISTS \"${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml\"" "no metainfo")

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}" RESULT_VARIABLE result OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  check("result EQUAL 0 AND output STREQUAL \"\"" "desktop-file-validate:\n${output}")
else()
  message(STATUS "desktop-file-validate not installed: entry not validated")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  check("result EQUAL 0" "appstreamcli validate:\n${output}")
else()
  message(STATUS "appstreamcli not installed: metainfo not validated")
endif()

# Started as the entry starts it, the program runs until stopped (it would
# end at once if it could not start).
execute_process(COMMAND "${executable}" TIMEOUT 3 RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
check("result MATCHES \"timeout\"" "the installed program ended by itself (${result}):\n${output}")

# Installing again keeps the user's settings.
file(READ "${settings}" before HEX)
file(WRITE "${settings}" "not the standard record, but the user's own file ... padded to be long enough for it")
file(READ "${settings}" changed HEX)
install_build()
file(READ "${settings}" after HEX)
check("after STREQUAL changed" "a second install replaced the user's settings file")
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "Install layout checked in ${PREFIX}")
