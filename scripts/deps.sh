# Installs the Debian packages the project needs that are missing (sourced by the scripts).
# "locales" holds the definitions the build compiles the tests' decimal-comma locale from;
# "zlib1g-dev" is what libxlsxwriter links with and what the tests read zip files with;
# "qt6-translations-l10n" holds the toolkit's own texts (standard dialogs) in the user's language.
morv_install_deps() {
    local wanted=(build-essential cmake ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev
                  libbenchmark-dev libxlsxwriter-dev clang-format zlib1g-dev fonts-dejavu-core locales
                  qt6-translations-l10n)
    local missing=()
    local p
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Configures and builds one build tree: morv_build <dir> [cmake options...]
morv_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
