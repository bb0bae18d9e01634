#!/usr/bin/env bash
# Installs every Debian package that Glimmora needs to build, run, test and
# package; with --programs only what building and running the programs needs,
# with --packaging that and what scripts/package-deb.sh needs.
# Idempotent: packages that are already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev
  qt6-qpa-plugins libgl-dev qt6-translations-l10n qt6-image-formats-plugins
  libpugixml-dev libfreetype-dev libfontconfig1-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev liblzma-dev
  libsndfile1-dev libsamplerate0-dev libmpg123-dev
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libswresample-dev
  libwebp-dev libimagequant-dev
  fonts-dejavu-core fonts-liberation fonts-wqy-microhei
)
# The Debian package and the desktop files' checks (scripts/package-deb.sh and
# the installed-tree tests).
packaging=(dpkg-dev lintian file appstream desktop-file-utils shared-mime-info libglib2.0-bin)
if [[ "${1:-}" == "--packaging" ]]; then
  packages+=("${packaging[@]}")
fi
# The tests, benchmarks and fuzz targets, and the programs they compare with
# (openbox on Xvfb for what only a window manager shows);
# librsvg2-bin renders the icon's PNG sizes (scripts/make-icons.sh).
if [[ "${1:-}" != "--programs" && "${1:-}" != "--packaging" ]]; then
  packages+=(
    "${packaging[@]}" librsvg2-bin
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    chromium ffmpeg
    xvfb xauth openbox x11-utils sox lame imagemagick
  )
fi

missing=()
# Node.js may come from elsewhere (its own npm included); only add Debian's when absent.
if ! command -v node >/dev/null 2>&1; then packages+=(nodejs); fi
if ! command -v npm >/dev/null 2>&1; then packages+=(npm); fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=""
  if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
  fi
fi

# The web player that exported web pages carry, pinned in web/package-lock.json;
# installed here, never at run time, and copied into the program folder by the build.
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# npm ci runs again only when the lock file changed since it last ran.
if ! cmp -s "$repo/web/package-lock.json" "$repo/web/node_modules/.installed-lock.json" 2>/dev/null \
   || [[ ! -f "$repo/web/node_modules/@ruffle-rs/ruffle/ruffle.js" ]]; then
  (cd "$repo/web" && npm ci --no-audit --no-fund --ignore-scripts)
  cp "$repo/web/package-lock.json" "$repo/web/node_modules/.installed-lock.json"
fi
