# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DPROBE=... -P CheckInstall.cmake
# Installs the build into PREFIX (emptied first) and checks what a user gets:
# the program folder with the standard settings file, the link in bin, the
# desktop entry and icons by name, the metainfo and the documents; validates
# entry and metainfo when desktop-file-utils and appstream are installed;
# starts the program as the entry does; saves settings with PROBE (which
# reads and writes them as the program does) as the user running the check,
# root included: the installation states itself (Fluvano.installed), so the
# save goes to the user's configuration folder and the program folder stays
# as installed; installs again over a changed settings file, which must be
# kept. As root it then installs into a root-owned prefix and saves settings
# as the ordinary user "nobody".
foreach(variable BUILD_DIR PREFIX APP_ID PROBE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} not given")
  endif()
endforeach()

# check("<if() condition>" "message"): fails with the message unless the condition holds.
function(check condition message)
  cmake_language(EVAL CODE "if(NOT (${condition}))\n  message(FATAL_ERROR [==[${message}]==])\nendif()")
endfunction()

function(install_build prefix)
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
  endif()
endfunction()

# png_size(file variable): "<width>x<height>" from the PNG header.
function(png_size file variable)
  file(READ "${file}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  set(${variable} "${width}x${height}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
install_build("${PREFIX}")

# The entry names the program and its icon, no paths.
file(GLOB entries "${PREFIX}/share/applications/*.desktop")
set(entry "${PREFIX}/share/applications/${APP_ID}.desktop")
check("entries STREQUAL entry" "expected only ${entry}, found: ${entries}")
file(STRINGS "${entry}" exec_line REGEX "^Exec=")
file(STRINGS "${entry}" icon_line REGEX "^Icon=")
check("exec_line STREQUAL \"Exec=fluvano %f\"" "${exec_line}")
file(STRINGS "${entry}" mime_line REGEX "^MimeType=application/x-fluvano-circuit;$")
check("mime_line" "${entry} opens no application/x-fluvano-circuit")
file(READ "${PREFIX}/share/mime/packages/${APP_ID}.xml" mime_package)
check("mime_package MATCHES \"type=\\\"application/x-fluvano-circuit\\\"\" AND mime_package MATCHES \"\\\\*\\\\.fluvano\""
  "the document type is not in share/mime/packages/${APP_ID}.xml")
check("icon_line STREQUAL \"Icon=${APP_ID}\"" "${icon_line}")
foreach(size 32 48 64 128 256)
  set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  check("EXISTS \"${icon}\"" "no ${icon}")
  png_size("${icon}" drawn)
  check("drawn STREQUAL \"${size}x${size}\"" "${icon} is ${drawn}")
endforeach()
check("EXISTS \"${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml\"" "no metainfo")
check("EXISTS \"${PREFIX}/share/doc/fluvano/copyright\" AND EXISTS \"${PREFIX}/share/doc/fluvano/changelog.gz\""
  "no copyright or changelog in share/doc/fluvano")

# bin/fluvano: a relative link to the executable, the standard settings beside it.
set(link "${PREFIX}/bin/fluvano")
check("IS_SYMLINK \"${link}\"" "no link ${link}")
file(READ_SYMLINK "${link}" link_target)
check("NOT IS_ABSOLUTE \"${link_target}\"" "${link} leads to an absolute path: ${link_target}")
file(REAL_PATH "${link}" executable)
get_filename_component(program_dir "${executable}" DIRECTORY)
set(settings "${program_dir}/Fluvano.qel")
check("EXISTS \"${settings}\"" "no settings file beside ${executable}")
file(SIZE "${settings}" size)
check("size EQUAL 164" "settings file of ${size} bytes")
file(READ "${settings}" standard HEX)
check("EXISTS \"${program_dir}/Fluvano.installed\"" "no Fluvano.installed beside ${executable}")

foreach(tool desktop-file-validate appstreamcli)
  find_program(${tool}_path ${tool})
  if(NOT ${tool}_path)
    message(STATUS "${tool} not installed: not validated")
  endif()
endforeach()
if(desktop-file-validate_path)
  execute_process(COMMAND "${desktop-file-validate_path}" "${entry}" RESULT_VARIABLE result OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  check("result EQUAL 0 AND output STREQUAL \"\"" "desktop-file-validate:\n${output}")
endif()
if(appstreamcli_path)
  execute_process(COMMAND "${appstreamcli_path}" validate --no-net "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  check("result EQUAL 0" "appstreamcli validate:\n${output}")
endif()

# Started by name as the entry starts it, the program runs until stopped (it
# would end at once if it could not start).
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "PATH=${PREFIX}/bin:$ENV{PATH}" fluvano
  TIMEOUT 3 RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
check("result MATCHES \"timeout\"" "the installed program ended by itself (${result}):\n${output}")
# A window program stuck on the box of an unreadable settings file would run
# until stopped as well: the same start must find its settings and calculate.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "PATH=${PREFIX}/bin:$ENV{PATH}" fluvano
    --heat-output 10 --delta-t 15 --material 1
  TIMEOUT 30 RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
check("result EQUAL 0 AND output MATCHES \"DN 25\"" "the installed program did not calculate (${result}):\n${output}")

# Whoever runs an installed copy, root or the owner of the folder, saves to
# their own configuration folder; the installation stays as it was.
get_filename_component(probe_name "${PROBE}" NAME)
file(GLOB program_files "${program_dir}/*")
file(COPY "${PROBE}" DESTINATION "${program_dir}")
set(config "${PREFIX}-config")
file(REMOVE_RECURSE "${config}")
function(probe out result)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "XDG_CONFIG_HOME=${config}" "${program_dir}/${probe_name}" ${ARGN}
    TIMEOUT 30 RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(STRIP "${output}" output)
  set(${out} "${output}" PARENT_SCOPE)
  set(${result} "${code}" PARENT_SCOPE)
endfunction()
probe(output result show)
check("result EQUAL 0 AND output STREQUAL \"${settings} 100\"" "first start of the installed copy read: ${output}")
probe(output result save 150)
check("result EQUAL 0 AND output STREQUAL \"${config}/fluvano/Fluvano.qel\"" "save of the installed copy: ${output}")
probe(output result show)
check("result EQUAL 0 AND output STREQUAL \"${config}/fluvano/Fluvano.qel 150\"" "after a restart: ${output}")
file(READ "${settings}" after HEX)
check("after STREQUAL standard" "the installed copy changed the installation's Fluvano.qel")
file(REMOVE "${program_dir}/${probe_name}")
file(GLOB program_files_after "${program_dir}/*")
check("program_files_after STREQUAL program_files" "the program folder changed: ${program_files_after}")
file(REMOVE_RECURSE "${config}")

# Installing again keeps the settings file of the installation.
file(WRITE "${settings}" "not the standard record, but the user's own file ... padded to be long enough for it")
file(READ "${settings}" changed HEX)
install_build("${PREFIX}")
file(READ "${settings}" after HEX)
check("after STREQUAL changed" "a second install replaced the settings file")
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "Install layout checked in ${PREFIX}")

# --- An ordinary user of a root-owned installation ---------------------------
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
find_program(SETPRIV setpriv)
if(NOT uid STREQUAL "0" OR NOT SETPRIV)
  message(STATUS "Ordinary-user check skipped: needs root and setpriv")
  return()
endif()

string(RANDOM LENGTH 8 suffix)
set(scratch "/tmp/fluvano-user-check-${suffix}")
set(prefix "${scratch}/prefix")
set(home "${scratch}/home")
file(MAKE_DIRECTORY "${scratch}" "${home}" "${scratch}/readonly-config/fluvano")
file(CHMOD "${scratch}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND chown 65534:65534 "${home}" COMMAND_ERROR_IS_FATAL ANY)
install_build("${prefix}")
file(REAL_PATH "${prefix}/bin/fluvano" executable)
get_filename_component(program_dir "${executable}" DIRECTORY)
file(COPY "${PROBE}" DESTINATION "${program_dir}")
get_filename_component(probe_name "${PROBE}" NAME)
set(probe "${program_dir}/${probe_name}")
file(GLOB program_files "${program_dir}/*")
file(SHA256 "${program_dir}/Fluvano.qel" program_settings)

# as_nobody(out result args...): runs args as "nobody" in a clean environment with HOME.
function(as_nobody out result)
  execute_process(COMMAND "${SETPRIV}" --reuid=65534 --regid=65534 --clear-groups
    env -i "HOME=${home}" LC_ALL=C.UTF-8 ${ARGN}
    TIMEOUT 30 RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(STRIP "${output}" output)
  set(${out} "${output}" PARENT_SCOPE)
  set(${result} "${code}" PARENT_SCOPE)
endfunction()

# First start: the installation's standard values; the save goes to the
# user's configuration folder and is what the next start reads.
set(user_settings "${home}/.config/fluvano/Fluvano.qel")
as_nobody(output result "${probe}" show)
check("result EQUAL 0 AND output STREQUAL \"${program_dir}/Fluvano.qel 100\"" "first start read: ${output}")
as_nobody(output result "${probe}" save 150)
check("result EQUAL 0 AND output STREQUAL \"${user_settings}\"" "save as nobody: ${output}")
file(SIZE "${user_settings}" size)
check("size EQUAL 164" "the user's settings file has ${size} bytes")
as_nobody(output result "${probe}" show)
check("result EQUAL 0 AND output STREQUAL \"${user_settings} 150\"" "after a restart: ${output}")

file(GLOB program_files_after "${program_dir}/*")
file(SHA256 "${program_dir}/Fluvano.qel" program_settings_after)
check("program_files_after STREQUAL program_files AND program_settings_after STREQUAL program_settings"
  "the program folder changed: ${program_files_after}")

# A save that cannot be made names the file and the reason.
as_nobody(output result env "XDG_CONFIG_HOME=${scratch}/readonly-config" "${probe}" save 200)
check("NOT result EQUAL 0" "a save into a read-only folder succeeded")
check("output MATCHES \"^Fehler bei Datenträgerzugriff.\\n${scratch}/readonly-config/fluvano/Fluvano.qel\\n.\""
  "failed save message: ${output}")
check("output MATCHES \"[Pp]ermission denied\"" "failed save message without the reason: ${output}")

file(REMOVE_RECURSE "${scratch}")
message(STATUS "Settings of an ordinary user checked in ${scratch}")
