# cmake -DBUILD_DIR=... -DOUT=... -DAPP_ID=... -DVERSION=... -P CheckPackage.cmake
# Builds the Debian package into OUT (emptied first) with cpack and checks
# its name, its files under /usr, its dependencies and, when lintian is
# installed, that lintian finds no errors.
foreach(variable BUILD_DIR OUT APP_ID VERSION)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} not given")
  endif()
endforeach()

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
  message(STATUS "Package check skipped: dpkg-dev is not installed")
  return()
endif()

function(check condition message)
  cmake_language(EVAL CODE "if(NOT (${condition}))\n  message(FATAL_ERROR [==[${message}]==])\nendif()")
endfunction()

file(REMOVE_RECURSE "${OUT}")
get_filename_component(cmake_dir "${CMAKE_COMMAND}" DIRECTORY)
execute_process(COMMAND "${cmake_dir}/cpack" -G DEB -B "${OUT}" --config "${BUILD_DIR}/CPackConfig.cmake"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
check("result EQUAL 0" "cpack failed:\n${output}")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(package "${OUT}/fluvano_${VERSION}_${arch}.deb")
check("EXISTS \"${package}\"" "no ${package}:\n${output}")

execute_process(COMMAND "${DPKG_DEB}" --contents "${package}" OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
foreach(expected
    "./usr/bin/fluvano -> ../lib/fluvano/fluvano"
    "./usr/lib/fluvano/fluvano"
    "./usr/lib/fluvano/Fluvano.qel"
    "./usr/lib/fluvano/Fluvano.installed"
    "./usr/share/applications/${APP_ID}.desktop"
    "./usr/share/icons/hicolor/32x32/apps/${APP_ID}.png"
    "./usr/share/icons/hicolor/256x256/apps/${APP_ID}.png"
    "./usr/share/metainfo/${APP_ID}.metainfo.xml"
    "./usr/share/mime/packages/${APP_ID}.xml"
    "./usr/share/doc/fluvano/copyright"
    "./usr/share/doc/fluvano/changelog.gz"
    "./usr/share/man/man1/fluvano.1.gz")
  string(FIND "${contents}" "${expected}" at)
  check("NOT at EQUAL -1" "the package lacks ${expected}:\n${contents}")
endforeach()
check("NOT contents MATCHES \" \\\\./(usr/local|home|root|tmp)\"" "files outside /usr:\n${contents}")
check("NOT contents MATCHES \"fluvano-settings-probe|fluvano-standard-settings\"" "a build helper in the package")

execute_process(COMMAND "${DPKG_DEB}" --field "${package}" Depends OUTPUT_VARIABLE depends
  COMMAND_ERROR_IS_FATAL ANY)
foreach(dependency libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation qt6-translations-l10n)
  check("depends MATCHES \"(^|, )${dependency}( |,|$)\"" "Depends lacks ${dependency}: ${depends}")
endforeach()

find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" --tag-display-limit 0 "${package}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  check("NOT output MATCHES \"(^|\\n)E: \"" "lintian reports errors:\n${output}")
  message(STATUS "lintian:\n${output}")
else()
  message(STATUS "lintian not installed: package not checked by it")
endif()
message(STATUS "Package checked: ${package}")
