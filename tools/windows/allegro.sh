#!/usr/bin/env bash
# Builds Allegro 4.4 for 64-bit Windows as a static library, from Debian's
# own source package, into OUT/install:
#
#   tools/windows/allegro.sh OUT
#
# The source comes through apt from the archive this machine already uses,
# through a private sources list kept in OUT: the machine's own apt
# configuration and lists are left as they are. The original tarball is
# checked against the sha256 the signed .dsc gives, and our patches in
# allegro-patches/ are applied in order. A finished build is kept: a second
# run neither fetches nor builds.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
out="$(mkdir -p "$1" && cd "$1" && pwd)"
stamp="$out/install/.built"
shopt -s nullglob
patches=("$here"/allegro-patches/*.patch)
shopt -u nullglob

# The build is current while the patches and the toolchain are those it was made with.
recipe="$(cat "$here/toolchain-mingw64.cmake" "${patches[@]}" "$0" | sha256sum | cut -d' ' -f1)"
if [[ -f "$stamp" && "$(cat "$stamp")" == "$recipe" ]]; then
    exit 0
fi

say() { echo "allegro for windows: $*" >&2; }
missing() {
    echo "allegro for windows: $1" >&2
    exit 1
}

command -v x86_64-w64-mingw32-gcc-posix >/dev/null ||
    missing "no x86_64-w64-mingw32-gcc-posix: install the packages mingw-w64 and g++-mingw-w64-x86-64"
command -v apt-get >/dev/null || missing "no apt-get: the Allegro source comes from Debian's archive"

# --- a private apt: the machine's archives, with their source indexes -------
apt_dir="$out/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$apt_dir/cache/archives/partial"
: >"$apt_dir/sources.list"
rm -f "$apt_dir/parts/"*
shopt -s nullglob
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f "$list" ]] || continue
    # one line an archive: "deb [options] URI SUITE COMPONENTS..."
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list" >>"$apt_dir/sources.list"
done
n=0
for sources in /etc/apt/sources.list.d/*.sources; do
    # deb822 stanzas: the same archives, asked for their sources instead
    n=$((n + 1))
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ && !/(^|\n)Enabled:[ \t]*no/ {
             sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
        "$sources" >"$apt_dir/parts/$n.sources"
done
shopt -u nullglob
if [[ ! -s "$apt_dir/sources.list" ]] && ! cat "$apt_dir/parts/"*.sources 2>/dev/null | grep -q .; then
    missing "no Debian archive in /etc/apt/sources.list or /etc/apt/sources.list.d: add one"
fi

apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::State::Status=/var/lib/dpkg/status"
    -o "Dir::Cache=$apt_dir/cache"
    -o "Debug::NoLocking=1"
    -o "APT::Sandbox::User=root"
)
download="$out/download"
mkdir -p "$download"
if ! ls "$download"/allegro4.4_*.orig.tar.* >/dev/null 2>&1; then
    say "fetching the source package allegro4.4 through apt"
    # one unreachable archive of several need not matter: the source decides
    apt-get "${apt_options[@]}" -q update >"$apt_dir/update.log" 2>&1 || true
    # The archive may serve the original tarball but not the .dsc or Debian's
    # own changes (which we do not use): apt's status alone says little.
    (cd "$download" && apt-get "${apt_options[@]}" -q source --download-only allegro4.4) \
        >"$apt_dir/source.log" 2>&1 || true
fi
ls "$download"/allegro4.4_*.orig.tar.* >/dev/null 2>&1 ||
    missing "cannot fetch Debian's source package allegro4.4 (see $apt_dir/update.log and source.log): this needs access to the archive named in /etc/apt"

# --- the original tarball, checked against the sha256 Debian signed ---------
# The .dsc names it; where the archive serves no .dsc, the source index apt
# fetched and checked against the archive's signed Release file names the
# same sum for the same file.
orig_sum() {
    awk '/^Checksums-Sha256:/ { on = 1; next } /^[^ ]/ { on = 0 }
         on && $3 ~ /\.orig\.tar\./ { print $1, $3; exit }'
}
dsc="$(ls "$download"/allegro4.4_*.dsc 2>/dev/null | head -n 1 || true)"
if [[ -n "$dsc" ]]; then
    signed_by="$(basename "$dsc")"
    read -r sum tarball < <(orig_sum <"$dsc") || true
else
    signed_by="the archive's signed source index"
    read -r sum tarball < <(apt-cache "${apt_options[@]}" showsrc allegro4.4 2>/dev/null | orig_sum) || true
fi
[[ -n "${tarball:-}" && -f "$download/$tarball" ]] ||
    missing "neither a .dsc nor the source index names the original tarball apt fetched into $download"
echo "$sum  $download/$tarball" | sha256sum --quiet -c - ||
    missing "$tarball does not match the sha256 in $signed_by: delete $download and run again"

src="$out/src"
rm -rf "$src" "$out/build" "$out/install"
mkdir -p "$src"
tar -xf "$download/$tarball" -C "$src" --strip-components=1
for patch in "${patches[@]}"; do
    patch -d "$src" -p1 --quiet --forward <"$patch" ||
        missing "our patch $(basename "$patch") no longer applies to $tarball"
done

# --- a static library for x86_64-w64-mingw32 --------------------------------
say "building $(basename "$tarball" .orig.tar.gz) (static, x86_64-w64-mingw32)"
cmake -S "$src" -B "$out/build" \
    -DCMAKE_TOOLCHAIN_FILE="$here/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$out/install" \
    -DSHARED=OFF -DWANT_EXAMPLES=OFF -DWANT_TOOLS=OFF -DWANT_TESTS=OFF -DWANT_DOCS=OFF \
    -DWANT_ALLEGROGL=OFF -DWANT_LOADPNG=OFF -DWANT_LOGG=OFF -DWANT_JPGALLEG=OFF \
    -DWANT_ALLEGRO_FOR_WINDOWS=ON >"$out/configure.log" 2>&1 ||
    missing "configuring Allegro failed (see $out/configure.log)"
cmake --build "$out/build" -j "$(nproc)" >"$out/build.log" 2>&1 ||
    missing "building Allegro failed (see $out/build.log)"
cmake --install "$out/build" >"$out/install.log" 2>&1 ||
    missing "installing Allegro into $out/install failed (see $out/install.log)"
echo "$recipe" >"$stamp"
say "done: $out/install"
