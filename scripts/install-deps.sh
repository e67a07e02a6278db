#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Tintrix.
# Idempotent: packages already present are left alone. Runs as root or through sudo.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # Qt 6 widgets, multimedia and their platform plugins (xcb and offscreen)
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins
  libgl-dev
  # translations: Qt's tools and CMake support for them, and Qt's own translations of its
  # standard buttons and dialogs
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # MIDI music: FluidSynth and a General MIDI SoundFont, PulseAudio's client for its stream;
  # ALSA's headers to quiet its errors
  libfluidsynth-dev timgm6mb-soundfont libasound2-dev libpulse-dev
  # a private sound server with a null sink for the benchmarks (music plays, silently), and
  # sox to compare recordings of the music (scripts/record-music.sh)
  pulseaudio pulseaudio-utils sox
  # the benchmarks' start-up watcher: X11 and DAMAGE headers
  libx11-dev libxdamage-dev
  # fonts: metric-compatible stand-ins for Arial, Times New Roman and MS Sans Serif
  fonts-liberation2 fonts-dejavu-core fontconfig
  # running on a virtual display, screenshots, end-to-end driving; a window manager so that
  # windows can take the keyboard focus; checking the installed desktop entry
  xvfb xauth x11-utils xdotool imagemagick openbox desktop-file-utils
  # building and checking the Debian package: dpkg-shlibdeps, lintian, the AppStream
  # validator and the manual page reader
  dpkg-dev lintian appstream man-db
  # fuzzing the score file loader
  clang libclang-rt-14-dev
  # the saved tournament tests check the game's checksum against zlib's
  zlib1g-dev
  # the screen reader test: Orca on its own session bus with the AT-SPI registry
  orca at-spi2-core dbus dbus-x11 python3-pyatspi
  # the game on Wayland: a headless Weston and Qt's Wayland platform plugin
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
