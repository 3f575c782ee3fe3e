# Sourced by the scripts: installs the Debian packages the build needs when one is missing.
lg_need_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Installs what it can of the packages and goes on without the rest: for optional test data.
lg_want_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing (optional): ${missing[*]}"
    $sudo apt-get update -qq || true
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
        echo "Optional packages not installed (${missing[*]}); the tests that need them are skipped."
}

LG_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libsimdjson-dev)
# What scripts/run needs beyond the build: a virtual display for machines without one, and fonts.
LG_RUN_PACKAGES=(xvfb xauth fonts-dejavu-core)
LG_CLANG_PACKAGES=(clang-14 libclang-rt-14-dev)
# A virtual display for showing or rendering the windows where there is no screen (xvfb-run).
# The tests do not need it: they run on the offscreen platform.
LG_DISPLAY_PACKAGES=(xvfb xauth)
# KiCad's demo projects (3.2 MB, no dependencies): the KiCad import test opens every one.
LG_TEST_PACKAGES=(kicad-demos)
