#!/bin/bash
# Usage: check-package.sh DEB — checks the Debian package as a user's system would take it:
# Debian's own checks, the control fields, the installed files, and the unpacked program running.
set -uo pipefail

deb=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
checks=0

check() {
    local name=$1
    shift
    checks=$((checks + 1))
    local output
    if output=$("$@" 2>&1); then
        echo "ok     $name"
    else
        failures=$((failures + 1))
        echo "FAILED $name"
        echo "$output" | sed 's/^/       /'
    fi
}

app_id=org.veloramac.VeloraMac
info=$(dpkg-deb --info "$deb")
field() { dpkg-deb --field "$deb" "$1"; }
version=$(field Version)

lintian_clean() {
    lintian --fail-on error,warning --tag-display-limit 0 "$deb"
}

control_fields() {
    [ "$(field Package)" = veloramac ] || { echo "Package: $(field Package)"; return 1; }
    [[ $(basename "$deb") == "veloramac_${version}_$(field Architecture).deb" ]] ||
        { echo "file name $(basename "$deb") for version $version"; return 1; }
    local depends
    depends=$(field Depends)
    for needed in libc6 libqt6widgets6 libespeak-ng1 libpoppler-cpp0v5 libtesseract5 unzip \
        espeak-ng-data fonts-jetbrains-mono fonts-noto-core fonts-noto-cjk; do
        [[ ", $depends," == *", $needed"[\ ,]* ]] || { echo "Depends lacks $needed: $depends"; return 1; }
    done
    [ "$(field Recommends)" = \
        "antiword, tesseract-ocr-eng, qt6-translations-l10n, fonts-opendyslexic, hyphen-en-us" ] ||
        { echo "Recommends: $(field Recommends)"; return 1; }
    [ -n "$(field Section)" ] || { echo "no Section"; return 1; }
    grep -q '^ Description: Speed reader' <<<"$info" || { echo "$info"; return 1; }
}

maintainer_scripts() {
    local scripts
    scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'preinst|postinst|prerm|postrm')
    [ -z "$scripts" ] || { echo "maintainer scripts: $scripts"; return 1; }
}

contents() {
    local listing
    listing=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
    local expected=(
        ./usr/bin/veloramac
        "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/veloramac/libvelora_ocr.so"
        "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/veloramac/veloramac-tray"
        "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/veloramac/veloramac-options"
        ./usr/share/applications/$app_id.desktop
        ./usr/share/dbus-1/services/$app_id.service
        ./usr/share/metainfo/$app_id.metainfo.xml
        ./usr/share/icons/hicolor/scalable/apps/$app_id.svg
        ./usr/share/man/man1/veloramac.1.gz
        ./usr/share/doc/veloramac/copyright
        ./usr/share/doc/veloramac/changelog.gz
    )
    for size in 16 22 24 32 48 64 128 256 512; do
        expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    done
    local missing=0
    for path in "${expected[@]}"; do
        grep -qxF "$path" <<<"$listing" || { echo "missing $path"; missing=1; }
    done
    return $missing
}

unpack() {
    dpkg-deb -x "$deb" "$root"
}

icon_sizes() {
    local bad=0
    for size in 16 22 24 32 48 64 128 256 512; do
        local png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        local actual
        actual=$(file -b "$png" | grep -o '[0-9]* x [0-9]*')
        [ "$actual" = "$size x $size" ] || { echo "$png is $actual"; bad=1; }
    done
    return $bad
}

# Unpacked, veloramac runs the options program unpacked with it, found as it finds the installed
# programs: from its own folder.
runs_version() {
    local out
    out=$("$root/usr/bin/veloramac" --version) || return 1
    [ "$out" = "veloramac $version" ] || { echo "--version said '$out', package is $version"; return 1; }
}

runs_extract() {
    local out
    out=$(DISPLAY= WAYLAND_DISPLAY= "$root/usr/bin/veloramac" --extract "$here/../data/sample.rtf") ||
        return 1
    [ "$out" = "Café — done" ] || { echo "--extract printed '$out'"; return 1; }
}

# Qt and the other formats' libraries would double the memory of a PDF's text.
front_links_no_qt() {
    ! readelf --dynamic "$root/usr/bin/veloramac" | grep -E 'NEEDED.*(libQt|libzip|libxml2)'
}

# Every program: veloramac and the two it runs.
hardened() {
    local program folder
    folder=$root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/veloramac
    # veloramac's few calls into libc have no checked form to show.
    hardened_program "$root/usr/bin/veloramac" unfortified || { echo "in veloramac"; return 1; }
    for program in "$folder/veloramac-tray" "$folder/veloramac-options"; do
        hardened_program "$program" || { echo "in $program"; return 1; }
    done
}

hardened_program() {
    local program=$1 fortified=${2:-fortified}
    local headers dynamic symbols
    headers=$(readelf --file-header --program-headers --wide "$program")
    dynamic=$(readelf --dynamic --wide "$program")
    symbols=$(readelf --dyn-syms --wide "$program")
    grep -q 'Type:.*DYN' <<<"$headers" || { echo "not position independent"; return 1; }
    grep -q 'GNU_RELRO' <<<"$headers" || { echo "no RELRO segment"; return 1; }
    grep -Eq 'FLAGS.*BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || { echo "not bound at start"; return 1; }
    grep -q '__stack_chk_fail' <<<"$symbols" || { echo "no stack protector"; return 1; }
    [ "$fortified" = unfortified ] ||
        grep -Eq '__[a-z_]+_chk' <<<"$(grep -v __stack_chk_fail <<<"$symbols")" ||
        { echo "no fortified libc calls"; return 1; }
    if grep -q '\.debug_' <<<"$(readelf --section-headers "$program")"; then
        echo "not stripped"
        return 1
    fi
}

service_starts_installed_program() {
    grep -qx "Exec=/usr/bin/veloramac" "$root/usr/share/dbus-1/services/$app_id.service"
}

check "lintian reports no error or warning" lintian_clean
check "control fields" control_fields
check "no maintainer scripts" maintainer_scripts
check "contents" contents
check "unpacks" unpack
check "icons have their sizes" icon_sizes
check "desktop entry valid" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "metainfo valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
check "D-Bus service starts the installed program" service_starts_installed_program
check "manual renders without warnings" "$here/check-manual.sh" "$root/usr/share/man/man1/veloramac.1.gz"
check "veloramac links no Qt" front_links_no_qt
check "hardened and stripped" hardened
check "unpacked program: --version" runs_version
check "unpacked program: --extract" runs_extract

echo "package: $((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
