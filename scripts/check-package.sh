#!/usr/bin/env bash
# Makes the Debian package with ./package.sh and checks what a user would get from it: the files
# it installs, its control fields, the desktop entry and the AppStream data, lintian, and the
# packaged program itself (its command line, the data folder it finds, that it starts).
set -euo pipefail
cd "$(dirname "$0")/.."
./package.sh

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
deb="build/skimsprinter_${version}_$(dpkg --print-architecture).deb"
# The PNG sizes cmake/Install.cmake renders (SKIM_ICON_SIZES).
icon_sizes=(16 32 48 64 128 256)
failures=0
fail() {
    echo "check-package: $*" >&2
    failures=$((failures + 1))
}
[ -f "$deb" ] || { echo "check-package: $deb was not made" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# ---- contents: everything under /usr, the whole data tree, the desktop files ----
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' | sort > "$tmp/contents"
grep -v -e '^/usr/' -e '^/usr$' -e '^$' "$tmp/contents" | sed 's/^/outside \/usr: /' > "$tmp/outside" || true
[ -s "$tmp/outside" ] && fail "$(cat "$tmp/outside")"
(cd build/data && find . -type f | sed 's|^\.|/usr/share/skimsprinter|') > "$tmp/expected"
for side in "${icon_sizes[@]}"; do
    echo "/usr/share/icons/hicolor/${side}x${side}/apps/skimsprinter.png"
done >> "$tmp/expected"
cat >> "$tmp/expected" <<'EOF'
/usr/bin/skimsprinter
/usr/share/applications/skimsprinter.desktop
/usr/share/icons/hicolor/scalable/apps/skimsprinter.svg
/usr/share/metainfo/org.skimsprinter.SkimSprinter.metainfo.xml
/usr/share/man/man1/skimsprinter.1.gz
/usr/share/doc/skimsprinter/copyright
/usr/share/doc/skimsprinter/changelog.gz
EOF
sort -o "$tmp/expected" "$tmp/expected"
missing=$(comm -23 "$tmp/expected" "$tmp/contents")
[ -z "$missing" ] || fail "missing from the package: $missing"
grep -q '^/usr/share/skimsprinter/sound/right.wav$' "$tmp/contents" ||
    fail "the data tree in the package has no sounds"

# ---- control fields ----
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), project $version"
changelog_version=$(dpkg-parsechangelog -l dist/changelog -S Version)
[ "$changelog_version" = "$version" ] || fail "dist/changelog is at $changelog_version, not $version"
[ "$(field Section)" = education ] || fail "section $(field Section)"
for dep in 'libqt6widgets6' 'libqt6multimedia6' 'libqt6svg6' 'pipewire-pulse | pulseaudio' \
    'fonts-liberation | fonts-liberation2'; do
    field Depends | grep -qF "$dep" || fail "Depends lacks $dep: $(field Depends)"
done
for rec in fonts-noto-cjk fonts-noto-color-emoji; do
    field Recommends | grep -qF "$rec" || fail "Recommends lacks $rec"
done

# ---- the installed files as the desktop and software centres read them ----
root="$tmp/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/skimsprinter.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli"
for side in "${icon_sizes[@]}"; do
    file "$root/usr/share/icons/hicolor/${side}x${side}/apps/skimsprinter.png" |
        grep -q "PNG image data, $side x $side," || fail "no ${side}x$side PNG icon"
done
if ! lintian --fail-on error --tag-display-limit 0 "$deb" > "$tmp/lintian"; then
    fail "lintian reports errors"
fi
cat "$tmp/lintian"

# ---- the packaged program, started away from the source tree ----
program="$root/usr/bin/skimsprinter"
mkdir "$tmp/home"
in_home() {
    (cd "$tmp/home" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        XDG_CONFIG_HOME="$tmp/home/config" XDG_DATA_HOME="$tmp/home/data" "$@")
}
version_line=$(in_home "$program" --version) || fail "--version exited with $?"
[ "$version_line" = "SkimSprinter $version" ] || fail "--version printed '$version_line'"
in_home "$program" --help > "$tmp/help" || fail "--help exited with $?"
grep -q '^Usage: skimsprinter' "$tmp/help" || fail "--help prints no usage"
# The data folder it finds is the packaged one beside the program, not the build's.
grep -qxF "  $root/usr/share/skimsprinter" "$tmp/help" ||
    fail "the packaged program does not find its data folder: $(cat "$tmp/help")"
status=0
in_home "$program" --no-such-option > /dev/null 2> "$tmp/wrong" || status=$?
[ "$status" = 2 ] && grep -q '^Usage: skimsprinter' "$tmp/wrong" ||
    fail "an unknown option gave status $status"
# With a display (here a virtual one) it starts and waits at the name prompt until stopped.
status=0
in_home QT_QPA_PLATFORM=offscreen timeout 5 "$program" 2> "$tmp/start" || status=$?
[ "$status" = 124 ] || fail "the packaged program ended at start-up ($status): $(cat "$tmp/start")"

if [ "$failures" -ne 0 ]; then
    echo "check-package: $failures check(s) failed" >&2
    exit 1
fi
echo "check-package: $deb is complete and valid"
