# What Headbot needs from Debian to build, play and be tested, and how to get
# it. Sourced by ./play and ./test from the top of the source tree.

HEADBOT_PACKAGES=(
    cmake g++ pkg-config liballegro4-dev         # building the game
    libgtest-dev googletest                      # unit tests
    xvfb xdotool imagemagick x11-utils libx11-dev  # driving the game under a private X server
    freepats sox                                 # music: instrument patches, audio checks
    clang libclang-rt-dev                        # fuzzing: libFuzzer and the sanitizers, for
                                                 # whichever clang the release ships
    dpkg-dev file desktop-file-utils             # the Debian package's dependencies (cpack reads
                                                 # the binaries with file), menu entry check
    lintian appstream                            # checking the Debian package and its software-centre entry
    mingw-w64 g++-mingw-w64-x86-64 patch         # the Windows build (its -posix compilers) and
                                                 # Allegro's source, patched
    wine                                         # running the Windows build in the tests
    shared-mime-info                             # checking the level pack file type
)
# Installed where the release has them: Debian 12 splits Wine into wine and
# wine64; later releases may fold wine64 into wine.
HEADBOT_PACKAGES_WHERE_THEY_EXIST=(wine64)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
known() { apt-cache show "$1" 2>/dev/null | grep -q '^Package:'; }

install_missing_packages() {
    local missing=() optional=() package
    for package in "${HEADBOT_PACKAGES[@]}"; do
        installed "$package" || missing+=("$package")
    done
    for package in "${HEADBOT_PACKAGES_WHERE_THEY_EXIST[@]}"; do
        installed "$package" || optional+=("$package")
    done
    # a package this release lacks is not looked for again at every run
    if ((${#missing[@]} == 0)); then
        for package in "${optional[@]}"; do
            known "$package" && missing+=("$package")
        done
        ((${#missing[@]} == 0)) && return 0
    fi
    local as_root=()
    ((EUID == 0)) || as_root=(sudo)
    "${as_root[@]}" apt-get update
    for package in "${optional[@]}"; do
        [[ " ${missing[*]} " == *" $package "* ]] || ! known "$package" || missing+=("$package")
    done
    echo "installing: ${missing[*]}" >&2
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

build_game() {
    cmake -S . -B build
    cmake --build build -j "$(nproc)"
}

# The Windows programs and their zip, cross-built into build/win64; ./test
# runs their tests under Wine.
build_windows() {
    tools/windows/build.sh
}
