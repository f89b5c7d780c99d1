#!/usr/bin/env bash
# The installer under Wine, silently (/S), as scripts/windows.sh test runs it:
# installs into Program Files with the Start-menu entry, the uninstaller in
# Apps & Features and the .fluvano association; installed over itself it keeps
# a user's settings; uninstalled it removes the program, its entries and the
# association, and leaves the user's settings.
#
# Usage: check-installer.sh SETUP_EXE VERSION WINE_RUN
set -uo pipefail

setup=$1
version=$2
wine_run=$3
prefix=$(sed -n 's/^export WINEPREFIX="\${FLUVANO_WINEPREFIX:-\(.*\)}"$/\1/p' "$wine_run")
program="$prefix/drive_c/Program Files/Fluvano"
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Fluvano.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Fluvano'

. "$(dirname "$0")/../../tests/support/checks.sh"
wine_do() {
    "$wine_run" "$@"
    WINEPREFIX=$prefix wineserver -w
}
reg_value() { # key, value name (empty: the default value)
    if [ -n "$2" ]; then
        wine_do reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
    else
        wine_do reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n "s/^ *(Default) *REG_[A-Z]* *//p"
    fi
}
exists() { [ -e "$1" ] && echo yes || echo no; }

wine_do "$setup" /S
check "fluvano.exe in Program Files" yes "$(exists "$program/fluvano.exe")"
check "fluvano-cli.exe in Program Files" yes "$(exists "$program/fluvano-cli.exe")"
check "the installation states itself" yes "$(exists "$program/Fluvano.installed")"
check "the standard settings" 164 "$(stat -c %s "$program/Fluvano.qel" 2>/dev/null)"
check "Start-menu entry" yes "$(exists "$menu")"
check "Apps & Features: name" "Fluvano" "$(reg_value "$key" DisplayName)"
check "Apps & Features: version" "$version" "$(reg_value "$key" DisplayVersion)"
check "Apps & Features: publisher" "qel Software" "$(reg_value "$key" Publisher)"
check "Apps & Features: quiet uninstall" '"C:\Program Files\Fluvano\Deinstallieren.exe" /S' \
    "$(reg_value "$key" QuietUninstallString)"
check ".fluvano is a Fluvano circuit" "Fluvano.Kreis" "$(reg_value 'HKLM\Software\Classes\.fluvano' '')"
check ".fluvano opens with fluvano.exe" '"C:\Program Files\Fluvano\fluvano.exe" "%1"' \
    "$(reg_value 'HKLM\Software\Classes\Fluvano.Kreis\shell\open\command' '')"

# A user's settings, as the installed program saves them.
user_dir=$(find "$prefix/drive_c/users" -maxdepth 1 -mindepth 1 ! -name Public | head -n 1)/AppData/Roaming/Fluvano
mkdir -p "$user_dir"
printf 'the user s own settings ....................................................................................................................................' >"$user_dir/Fluvano.qel"
saved=$(sha256sum <"$user_dir/Fluvano.qel")

wine_do "$setup" /S
check "installed again: the user's settings kept" "$saved" "$(sha256sum <"$user_dir/Fluvano.qel" 2>/dev/null)"
check "installed again: the program is there" yes "$(exists "$program/fluvano.exe")"

wine_do "$program/Deinstallieren.exe" /S
# The uninstaller runs from a copy in the temporary folder and ends later.
sleep 2
WINEPREFIX=$prefix wineserver -w
check "uninstalled: no program folder left" no "$(exists "$program")"
check "uninstalled: no Start-menu entry" no "$(exists "$menu")"
check "uninstalled: not in Apps & Features" "" "$(reg_value "$key" DisplayName)"
check "uninstalled: no .fluvano association" "" \
    "$(reg_value 'HKLM\Software\Classes\.fluvano' '')"
check "uninstalled: the user's settings stay" "$saved" "$(sha256sum <"$user_dir/Fluvano.qel" 2>/dev/null)"
rm -rf "$user_dir"

finish
