# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

# Installs what the given package lists name (by default scripts/packages.txt).
install_missing_packages() {
    local wanted missing=()
    [ $# -gt 0 ] || set -- "$ROOT/scripts/packages.txt"
    mapfile -t wanted < <(cat "$@" | grep -vE '^\s*(#|$)')
    # A name an installed package provides counts as installed (another build of nodejs may
    # bring npm with it).
    local provided
    provided="$(dpkg-query -W -f='${db:Status-Abbrev} ${Provides}\n' 2>/dev/null | sed -n 's/^ii *//p' | tr ',' '\n' |
        sed 's/(.*//; s/ //g')"
    for pkg in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' &&
            ! grep -qxF "$pkg" <<<"$provided"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The npm tools the browser extension's tests run (tests/browser/package.json), installed as the
# lock file pins them into the build folder, again only when the lock file changed.
install_browser_tools() {
    local tools="$BUILD_DIR/browser-tools"
    if [ -x "$tools/node_modules/.bin/web-ext" ] && cmp -s "$ROOT/tests/browser/package-lock.json" "$tools/package-lock.json"; then
        return
    fi
    mkdir -p "$tools"
    cp "$ROOT/tests/browser/package.json" "$ROOT/tests/browser/package-lock.json" "$tools/"
    (cd "$tools" && npm ci --no-audit --no-fund --loglevel=error)
}

configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# Switches the benchmarks on in the build folder (configuring it if need be) and builds the
# given targets, or every target when none is given.
build_benches() {
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ] || ! grep -q '^VIRELOOM_BENCH:BOOL=ON' "$BUILD_DIR/CMakeCache.txt"; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DVIRELOOM_BENCH=ON >/dev/null
    fi
    local targets=()
    for target in "$@"; do targets+=(--target "$target"); done
    cmake --build "$BUILD_DIR" --parallel "$(nproc)" "${targets[@]}"
}
