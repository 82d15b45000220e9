# Shared by the Windows scripts: the Windows build's programs run under Wine,
# in one Wine prefix made once in the build folder. Source it; needs
# BUILD_DIR. Every Wine run has a time limit and says what did not finish.
#
# Without a Windows build (tools/windows/build.sh) the scripts are skipped,
# unless HEADBOT_REQUIRE_WINDOWS=1 (./test sets it): then that is a failure.
set -u
: "${BUILD_DIR:?set BUILD_DIR to the build folder}"
WIN_BUILD="$BUILD_DIR/win64"
WIN_GAME="$WIN_BUILD/game"

windows_fail() {
    echo "FAIL (windows): $*" >&2
    exit 1
}

windows_skip() {
    if [[ "${HEADBOT_REQUIRE_WINDOWS:-0}" == 1 ]]; then windows_fail "$*"; fi
    echo "skipped: $*"
    exit 77
}

[[ -f "$WIN_BUILD/headbot-sim.exe" ]] ||
    windows_skip "no Windows build in $WIN_BUILD: run tools/windows/build.sh"
command -v wine >/dev/null || windows_skip "no wine: install the Debian package wine"

# The scripts that show windows use a prefix of their own, one at a time
# (ctest's lock): Wine gives one window of a prefix the keyboard, whatever
# its X display, and the tools running meanwhile must not come between.
export WINEPREFIX="$BUILD_DIR/windows/${WINE_PREFIX_NAME:-wine}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to install .NET or Gecko

# The prefix is made once, by whichever script comes first; the others wait.
# Wine's Direct3D draws through GDI: its OpenGL path costs twice the CPU on
# a machine without a graphics card.
windows_prefix() {
    mkdir -p "$WINEPREFIX"
    (
        flock -w 300 9 || windows_fail "waited 300 s for another script making the Wine prefix"
        [[ -f "$WINEPREFIX/.headbot-ready" ]] && exit 0
        timeout -k 10 240 wineboot -i >"$WINEPREFIX.log" 2>&1 ||
            windows_fail "wineboot -i did not make the Wine prefix within 240 s (see $WINEPREFIX.log)"
        timeout -k 10 60 wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >>"$WINEPREFIX.log" 2>&1 ||
            windows_fail "wine reg add did not finish within 60 s (see $WINEPREFIX.log)"
        touch "$WINEPREFIX/.headbot-ready"
    ) 9>"$WINEPREFIX.lock" || exit 1
}
windows_prefix
if [[ "${WINE_PREFIX_NAME:-wine}" != wine ]]; then
    # the last script's programs are gone before this one's window comes
    timeout 60 wineserver -w || windows_fail "Wine programs of $WINEPREFIX still running after 60 s"
fi

# wine_run SECONDS PROGRAM ARGS...: runs a Windows program, at most SECONDS;
# its status is the program's, and a time-out is said on stderr (status 124).
wine_run() {
    local limit=$1 status=0
    shift
    timeout -k 5 "$limit" wine "$@" || status=$?
    ((status == 124 || status == 137)) &&
        echo "FAIL (windows): $(basename "$1") under Wine did not finish within $limit s" >&2
    return "$status"
}

# A headbot-sim that is headbot-sim.exe under Wine, for scripts written for
# the Linux one: SIM=$(windows_sim_wrapper DIR). A Windows program cannot
# open a pipe by its /dev/fd name: such a key script is passed as a file.
windows_sim_wrapper() {
    local wrapper="$1/headbot-sim-wine"
    cat >"$wrapper" <<EOF
#!/usr/bin/env bash
export WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
args=()
script=""
while ((\$# > 0)); do
    if [[ \$1 == --input && \${2:-} == /dev/fd/* ]]; then
        script=\$(mktemp)
        cat "\$2" >"\$script"
        args+=(--input "\$script")
        shift 2
    else
        args+=("\$1")
        shift
    fi
done
status=0
timeout -k 5 120 wine "$WIN_BUILD/headbot-sim.exe" "\${args[@]}" || status=\$?
[[ -n \$script ]] && rm -f "\$script"
exit \$status
EOF
    chmod +x "$wrapper"
    echo "$wrapper"
}
