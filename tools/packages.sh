# Sourced by ./run and ./test: installs the Debian packages that are missing.
# Usage: tzk_ensure_packages pkg...

tzk_ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs (lrelease, in qt6-l10n-tools, compiles
# the translations; qt6-translations-l10n holds Qt's own, for the buttons
# and file dialogs Qt draws).
TZK_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core qt6-l10n-tools qt6-translations-l10n)
# What the test suite needs on top (pdftotext checks the PDF report; the
# packaging tests validate the menu entry and AppStream file and build the
# .deb, whose Depends line dpkg-shlibdeps works out; tst_printqueue prints
# through a print scheduler of its own, with the PDF printer driver of
# cups-filters, which cups brings; tst_catalogue runs lupdate over the
# catalogue; ./test also builds the benchmarks; lintian checks the .deb and
# python3-icalendar reads back the calendar file tzolkara-cli writes).
TZK_TEST_PACKAGES=(poppler-utils desktop-file-utils appstream dpkg-dev cups libbenchmark-dev qt6-l10n-tools lintian
                   python3-icalendar)
# What fuzz/run.sh needs: clang and its libFuzzer runtime
# (libclang_rt.fuzzer), and llvm-symbolizer for readable crash reports. The
# sanitizer build with g++ needs nothing more: libasan and libubsan come
# with it.
TZK_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev llvm-14)

# Qt warns on every start without it.
tzk_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
        export XDG_RUNTIME_DIR
    fi
}
