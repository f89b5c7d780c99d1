# Install step: the freedesktop entry, naming the installed executable and
# icon by absolute path (without DESTDIR, which only stages the files).
set(executable "${CMAKE_INSTALL_PREFIX}/${FLUVANO_INSTALL_DIR}/fluvano")
set(icon "${CMAKE_INSTALL_PREFIX}/${FLUVANO_ICON_DIR}/${FLUVANO_APP_ID}.png")

# Exec holds a quoted argument: \ " ` $ are escaped inside the quotes, then
# the value's backslashes are escaped once more, and % is written %%.
foreach(character "\\" "\"" "`" "$")
  string(REPLACE "${character}" "\\${character}" executable "${executable}")
endforeach()
string(REPLACE "\\" "\\\\" executable "${executable}")
string(REPLACE "%" "%%" executable "${executable}")
string(REPLACE "\\" "\\\\" icon "${icon}")
set(FLUVANO_EXECUTABLE "${executable}")
set(FLUVANO_ICON "${icon}")

set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${FLUVANO_INSTALL_DATADIR}/applications/${FLUVANO_APP_ID}.desktop")
message(STATUS "Desktop entry: ${entry}")
configure_file("${FLUVANO_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
