# Windows: icon, version resource and manifest for the programs, and for a
# cross build (MinGW-w64 on Linux) the Wine wrapper that CMake puts before
# every Windows program it runs (tests, build tools).

set(FLUVANO_WINDOWS_DIR "${CMAKE_CURRENT_LIST_DIR}")

# fluvano_windows_resources(target "description"): the program icon, the
# version resource (product Fluvano, company qel Software, the project
# version) and the manifest (asInvoker, per-monitor DPI awareness, Windows 10/11).
function(fluvano_windows_resources target description)
  set(FLUVANO_RC_NAME "${target}")
  set(FLUVANO_RC_FILE_NAME "${target}.exe")
  set(FLUVANO_RC_DESCRIPTION "${description}")
  set(version "${PROJECT_VERSION_MAJOR}")
  foreach(part MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
      string(APPEND version ".0")
    else()
      string(APPEND version ".${PROJECT_VERSION_${part}}")
    endif()
  endforeach()
  set(FLUVANO_VERSION_QUAD "${version}")
  string(REPLACE "." "," FLUVANO_VERSION_COMMAS "${version}")
  set(FLUVANO_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
  set(FLUVANO_ICON "${FLUVANO_WINDOWS_DIR}/fluvano.ico")
  configure_file("${FLUVANO_WINDOWS_DIR}/fluvano.manifest" "${FLUVANO_MANIFEST}" @ONLY)
  configure_file("${FLUVANO_WINDOWS_DIR}/fluvano.rc.in" "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc" @ONLY)
  target_sources(${target} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
  if(MSVC)
    # The manifest comes with the resource.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()

# The folders of the DLLs a program of this build needs at run time: Qt's
# and the MinGW runtime's.
function(fluvano_runtime_dll_dirs variable)
  get_target_property(core Qt6::Core IMPORTED_LOCATION_RELEASE)
  if(NOT core)
    get_target_property(core Qt6::Core IMPORTED_LOCATION)
  endif()
  get_filename_component(qt_bin "${core}" DIRECTORY)
  set(dirs "${qt_bin}")
  if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
      execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(IS_ABSOLUTE "${found}" AND EXISTS "${found}")
        get_filename_component(found "${found}" DIRECTORY)
        get_filename_component(found "${found}" REALPATH)
        list(APPEND dirs "${found}")
      endif()
    endforeach()
    list(REMOVE_DUPLICATES dirs)
  endif()
  set(${variable} "${dirs}" PARENT_SCOPE)
endfunction()

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(FLUVANO_WINE wine)
  if(FLUVANO_WINE)
    fluvano_runtime_dll_dirs(dll_dirs)
    set(FLUVANO_WINEPATH "")
    foreach(dir IN LISTS dll_dirs)
      list(APPEND FLUVANO_WINEPATH "Z:${dir}")
    endforeach()
    string(REPLACE "/" "\\" FLUVANO_WINEPATH "${FLUVANO_WINEPATH}")
    set(FLUVANO_WINEPREFIX "${PROJECT_BINARY_DIR}/wine")
    configure_file("${FLUVANO_WINDOWS_DIR}/wine-run.sh.in" "${PROJECT_BINARY_DIR}/wine-run.sh" @ONLY
      FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_BINARY_DIR}/wine-run.sh")
    # The build's programs find Qt's German texts on the build machine.
    list(GET dll_dirs 0 qt_bin)
    get_filename_component(qt_prefix "${qt_bin}" DIRECTORY)
    file(WRITE "${PROJECT_BINARY_DIR}/qt.conf"
      "[Paths]\nPrefix = Z:${qt_prefix}\nTranslations = Z:/usr/share/qt6/translations\n")
  else()
    message(STATUS "Wine not found: the Windows build's tests and build tools cannot run here")
  endif()
endif()
