#!/usr/bin/env bash
# The Debian package built from a build tree: its control fields and files, lintian, AppStream
# and desktop-file-validate; installed with apt-get, the manual page read, `tintrix` started
# from the PATH as an ordinary user (help and high scores shown), purged with nothing left
# behind. It installs into the running system, so it needs root; otherwise it is skipped (77).
#
# usage: package.sh <build folder> <version> <artefact folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../e2e/lib.sh"

[ $# -eq 3 ] || { echo "usage: $0 <build folder> <version> <artefact folder>" >&2; exit 2; }
build="$(cd "$1" && pwd)"
version="$2"
[ "$(id -u)" -eq 0 ] || { echo "skipped: installing a package needs root"; exit 77; }
e2e_init "$3"
e2e_need cpack dpkg-deb dpkg-shlibdeps apt-get lintian appstreamcli desktop-file-validate man \
    Xvfb openbox xdotool xwininfo xprop import convert setpriv
export DEBIAN_FRONTEND=noninteractive

# Whatever happens, the package does not stay installed.
installed=""
purge() {
    dpkg-query -W -f='${Status}' tintrix 2>/dev/null | grep -q 'installed' || return 0
    apt-get purge -y -q tintrix >"$E2E_TMP/purge.log" 2>&1
}
trap 'status=$?; [ -n "$installed" ] && purge; (exit $status); e2e_cleanup' EXIT

# apt-get reads the file as its unprivileged user: the folder must be open to it.
chmod 755 "$E2E_TMP"
out="$E2E_TMP/deb"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$E2E_TMP/cpack.log" 2>&1 ||
    { cat "$E2E_TMP/cpack.log"; e2e_fail "cpack -G DEB failed"; }
arch="$(dpkg --print-architecture)"
deb="$out/tintrix_${version}_$arch.deb"
[ -f "$deb" ] || e2e_fail "cpack wrote no $(basename "$deb"): $(ls "$out")"
cp "$deb" "$E2E_ART/"
e2e_log "built $(basename "$deb")"

# --- Control fields (the others are lintian's) ----------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Version)" = "$version" ] || e2e_fail "Version is '$(field Version)', the project's is $version"
# Each dependency as a list of alternatives, one a line, without versions.
depends="$(field Depends | tr ',' '\n' | sed 's/([^)]*)//g; s/ //g')"
for need in libqt6widgets6 libqt6multimedia6 libfluidsynth3 libc6 \
    'timgm6mb-soundfont|fluid-soundfont-gm' fonts-liberation2 fonts-dejavu-core; do
    grep -qx -- "$need" <<<"$depends" || e2e_fail "Depends lacks $need: $(field Depends)"
done
! grep -Eq -- '-dev$|^(cmake|ninja-build|build-essential|pkg-config|g\+\+|clang)$' <<<"$depends" ||
    e2e_fail "Depends names build tools: $(field Depends)"

dpkg-deb -c "$deb" >"$E2E_ART/contents.txt"
files="$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' "$E2E_ART/contents.txt" | LC_ALL=C sort)"
expected="$(printf '%s\n' usr/games/tintrix usr/lib/tintrix/{tintrix,sound/tintrix-sound.so} usr/share/man/man6/tintrix.6.gz \
    usr/share/doc/tintrix/{changelog.gz,copyright} usr/share/applications/org.example.tintrix.desktop \
    usr/share/metainfo/org.example.tintrix.metainfo.xml usr/share/icons/hicolor/scalable/apps/tintrix.svg \
    usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/tintrix.png \
    usr/{lib,share}/tintrix/{Change.wav,DropPeg.wav,Gling.wav,redo.wav,Airy.mid,tintrix.hlp} \
    usr/{lib,share}/tintrix/tintrix_{de,fr,es}.hlp usr/lib/tintrix/translations \
    usr/share/tintrix/translations/tintrix_{de,fr,es}.qm | LC_ALL=C sort)"
[ "$files" = "$expected" ] ||
    e2e_fail "the package's files differ from the expected list:$(printf '\n'; diff <(echo "$expected") <(echo "$files") || true)"

# Unpacked, every link of the program's folder must reach a file of the package.
tree="$E2E_TMP/tree"
dpkg-deb -x "$deb" "$tree"
for f in "$tree"/usr/lib/tintrix/*; do
    case "$(basename "$f")" in tintrix | sound) continue ;; esac
    [ -L "$f" ] && { [ -f "$f" ] || [ -d "$f" ]; } || e2e_fail "${f#"$tree"/} is not a link into the package"
done
[ "$(zcat "$tree/usr/share/doc/tintrix/changelog.gz" | sed -n '1s/^tintrix (\([^)]*\)).*/\1/p')" = "$version" ] ||
    e2e_fail "the changelog's latest entry is not version $version"
e2e_log "file list as expected, links resolve"

# Installed into any other prefix, the launcher stands in bin/ and finds the program's folder
# from its own place.
cmake --install "$build" --prefix "$E2E_TMP/prefix" >"$E2E_TMP/install.log" 2>&1 ||
    { cat "$E2E_TMP/install.log"; e2e_fail "cmake --install into a prefix failed"; }
[ -x "$E2E_TMP/prefix/bin/tintrix" ] && [ -f "$E2E_TMP/prefix/lib/tintrix/tintrix.hlp" ] ||
    e2e_fail "cmake --install laid out no bin/tintrix and lib/tintrix/"
! grep -q -e "$build" -e "$E2E_TMP" "$E2E_TMP/prefix/bin/tintrix" || e2e_fail "the launcher names a build path"

appstreamcli validate --no-net "$tree/usr/share/metainfo/org.example.tintrix.metainfo.xml" ||
    e2e_fail "appstreamcli validate --no-net finds fault with the metainfo"
desktop-file-validate "$tree/usr/share/applications/org.example.tintrix.desktop" ||
    e2e_fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Exec=tintrix' "$tree/usr/share/applications/org.example.tintrix.desktop" ||
    e2e_fail "the desktop entry does not start tintrix from the PATH"
# Errors fail the test; warnings are shown and kept.
lintian --fail-on error "$deb" 2>&1 | tee "$E2E_ART/lintian.txt" ||
    e2e_fail "lintian reports errors (see lintian.txt)"
e2e_log "appstreamcli, desktop-file-validate and lintian pass"

purge || e2e_fail "could not purge the tintrix package already installed"
# The folders the package would create; afterwards exactly these must be gone again.
dirs="$(awk '$1 ~ /^d/ { sub(/^\.\//, "/", $6); print $6 }' "$E2E_ART/contents.txt")"
absent_before="$(while read -r d; do [ -e "$d" ] || echo "$d"; done <<<"$dirs")"
installed=yes
apt-get install -y -q "$deb" >"$E2E_TMP/apt-install.log" 2>&1 ||
    { cat "$E2E_TMP/apt-install.log"; e2e_fail "apt-get install failed"; }
dpkg-query -W -f='${Status}' tintrix | grep -q 'install ok installed' || e2e_fail "tintrix is not installed"

# A player's PATH, as /etc/profile sets it.
player_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
[ "$(PATH="$player_path" command -v tintrix)" = /usr/games/tintrix ] || e2e_fail "tintrix is not /usr/games/tintrix on the PATH"
# Systems that leave manual pages out (dpkg's path-exclude) get the page read from the package.
page=(6 tintrix)
[ -f /usr/share/man/man6/tintrix.6.gz ] || page=(-l "$tree/usr/share/man/man6/tintrix.6.gz")
MANPAGER=cat MANWIDTH=80 man "${page[@]}" >"$E2E_ART/man.txt" 2>"$E2E_TMP/man.log" || e2e_fail "man ${page[*]} failed"
for heading in NAME SYNOPSIS DESCRIPTION KEYS FILES ENVIRONMENT; do
    grep -q "^$heading" "$E2E_ART/man.txt" || e2e_fail "the manual page has no $heading section"
done

# --- The installed game from the PATH, as user nobody ---------------------------------------
home="$E2E_TMP/home"
e2e_game_env "$home"
GAME_ENV+=(PATH="$player_path" TINTRIX_TEST_TIME_SCALE=0.3)
mkdir -p "$home/.local/share/tintrix"
printf 'DEB\r\n 240 \r\n 9 \r\n' >"$home/.local/share/tintrix/Hsl.hsl"
chown -R nobody "$home"
e2e_start_display
e2e_open_board / setpriv --reuid=nobody --regid=nogroup --clear-groups -- tintrix
e2e_wait_board "$board" 5 || e2e_fail "the installed game shows no wooden board"
e2e_shot board

# The help window lists the installed help file's topics: Fusion's selection colour shows on the left.
e2e_key F1
help=$(e2e_wait_window '^Tintrix Help$' 10) || e2e_fail "F1 opened no 'Tintrix Help' window"
topics_listed() {
    e2e_geometry "$help" && e2e_peek && awk -v f="$(convert "$PEEK" -crop "$((WIN_W * 2 / 5))x$WIN_H+$WIN_X+$WIN_Y" \
        +repage -fuzz 12% -fill black +opaque "#3A92C9" -fill white -opaque "#3A92C9" -format '%[fx:mean]' info:)" \
        'BEGIN { exit !(f > 0.004) }'
}
e2e_until 5 topics_listed || e2e_fail "the help window lists no topics"
e2e_shot help
e2e_key Escape
e2e_wait_gone '^Tintrix Help$' 5 || e2e_fail "Escape did not close the help window"

# The high score window: place 1 holds the per-user entry, place 2 is empty. Place i is a
# row 300 twips high at 720 + 360 (i - 1) twips from the window's top.
e2e_activate "$board"
e2e_key ctrl+h
scores=$(e2e_wait_window '^Top Scores$' 10) || e2e_fail "Ctrl+H opened no 'Top Scores' window"
# ink <place>: the share of dark pixels in that place's row of the last peek.
ink() {
    convert "$PEEK" -crop "${WIN_W}x$(tw 300)+$WIN_X+$((WIN_Y + $(tw $((720 + 360 * ($1 - 1))))))" +repage \
        -colorspace Gray -threshold 50% -format '%[fx:1-mean]' info:
}
place1_shown() { e2e_geometry "$scores" && e2e_peek && awk -v t="$(ink 1)" 'BEGIN { exit !(t > 0.01) }'; }
e2e_until 5 place1_shown || e2e_fail "place 1 of the high scores is empty"
awk -v t="$(ink 2)" 'BEGIN { exit !(t == 0) }' || e2e_fail "place 2 of the high scores is not empty"
e2e_shot high-scores
e2e_key Escape
e2e_wait_gone '^Top Scores$' 5 || e2e_fail "Escape did not close the high score window"
e2e_exit_by_keys

purge || { cat "$E2E_TMP/purge.log"; e2e_fail "apt-get purge failed"; }
installed=""
! dpkg-query -W -f='${Status}' tintrix 2>/dev/null | grep -q 'installed' || e2e_fail "tintrix is still installed"
while read -r f; do
    [ ! -e "/$f" ] && [ ! -L "/$f" ] || e2e_fail "/$f is left behind"
done <<<"$files"
while read -r d; do
    [ -z "$d" ] || [ ! -e "$d" ] || e2e_fail "$d is left behind"
done <<<"$absent_before"
e2e_log "purged: no file or folder of the package is left"
