# Install step: the standard settings file beside the installed executable,
# unless the user's file is there, and <prefix>/bin/fluvano linking to the
# executable. The settings file stays out of the install manifest: it holds
# the user's constants.
set(program_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${FLUVANO_INSTALL_DIR}")
set(settings "${program_dir}/Fluvano.qel")
if(EXISTS "${settings}")
  message(STATUS "Kept: ${settings}")
else()
  execute_process(COMMAND "${FLUVANO_STANDARD_SETTINGS_TOOL}" "${settings}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Cannot write the standard settings file ${settings}")
  endif()
  message(STATUS "Standard settings: ${settings}")
endif()

set(bin_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${FLUVANO_INSTALL_BINDIR}")
file(MAKE_DIRECTORY "${bin_dir}")
file(RELATIVE_PATH link_target "${bin_dir}" "${program_dir}/fluvano")
file(CREATE_LINK "${link_target}" "${bin_dir}/fluvano" SYMBOLIC)
message(STATUS "Link: ${bin_dir}/fluvano -> ${link_target}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bin_dir}/fluvano")
