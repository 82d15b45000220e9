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
    shared-mime-info                             # checking the level pack file type
)

install_missing_packages() {
    local missing=() package
    for package in "${HEADBOT_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0
    echo "installing: ${missing[*]}" >&2
    local as_root=()
    ((EUID == 0)) || as_root=(sudo)
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

build_game() {
    cmake -S . -B build
    cmake --build build -j "$(nproc)"
}
