#!/usr/bin/env bash
# Packs the build folder as scripts/package-deb.sh does and checks the
# package: what it installs, that its Depends name the libraries the programs
# link (found by dpkg-shlibdeps) and what they load at run time, and that
# lintian finds no error. Skipped (77) where dpkg-deb or lintian is missing.
# Usage: debian-package.sh BUILD_DIR
set -uo pipefail

build=${1:?usage: debian-package.sh BUILD_DIR}
repo=$(cd "$(dirname "$0")/../.." && pwd)
for tool in dpkg-deb dpkg-shlibdeps lintian cpack; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "The Debian package was NOT checked: $tool is missing (bash scripts/install-deps.sh installs it)"
    exit 77
  fi
done

if ! bash "$repo/scripts/package-deb.sh" --no-build "$build"; then
  echo "FAIL: scripts/package-deb.sh"
  exit 1
fi
package=$(ls "$build"/package/glimmora_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# --- The control fields.
[[ $(dpkg-deb --field "$package" Package) == glimmora ]] || fail "the package is not named glimmora"
[[ $(dpkg-deb --field "$package" Section) == graphics ]] || fail "the package's section is not graphics"
depends=$(dpkg-deb --field "$package" Depends)
# Linked: the export's FFmpeg (through its module), libwebp and libimagequant, Qt, and the sound
# and picture libraries. Loaded at run time: a font for the movies' texts.
for library in libavcodec libavformat libavutil libswscale libswresample libwebp[0-9] libwebpmux libimagequant \
               libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libsndfile1 libsamplerate0 libmpg123 \
               libpugixml libfreetype6 libfontconfig1 libjpeg62-turbo libpng16 zlib1g libc6 libstdc\\+\\+6 \
               fonts-dejavu-core; do
  [[ $depends =~ (^|, )$library ]] || fail "Depends names no $library: $depends"
done

# --- The contents.
dpkg-deb --extract "$package" "$work/root" || fail "dpkg-deb cannot extract the package"
usr=$work/root/usr
for file in lib/glimmora/glimmora lib/glimmora/glimmora-cli lib/glimmora/glimmora-player lib/glimmora/glimmora-ffmpeg.so \
            lib/glimmora/template/blank.gmr lib/glimmora/ruffle/ruffle.js lib/glimmora/ruffle/LICENSE_MIT \
            share/applications/org.tessaly.Glimmora.desktop share/metainfo/org.tessaly.Glimmora.metainfo.xml \
            share/mime/packages/glimmora.xml share/icons/hicolor/48x48/apps/glimmora.png \
            share/man/man1/glimmora-cli.1.gz share/doc/glimmora/copyright share/doc/glimmora/changelog.gz; do
  [[ -f $usr/$file ]] || fail "the package has no /usr/$file"
done
ls "$usr"/lib/glimmora/ruffle/*.wasm >/dev/null 2>&1 || fail "the package carries no web player modules"
for program in glimmora glimmora-cli glimmora-player; do
  [[ $(readlink "$usr/bin/$program") == ../lib/glimmora/$program ]] || fail "/usr/bin/$program is no link into the program folder"
  [[ $(file -b "$usr/lib/glimmora/$program") == *", stripped"* ]] || fail "$program is not stripped"
done
[[ $(file -b "$usr/lib/glimmora/glimmora-ffmpeg.so") == *", stripped"* ]] || fail "the FFmpeg module is not stripped"
# The packaged CLI runs from the unpacked tree and builds the sample.
TEMP=$work "$usr/bin/glimmora-cli" build "$usr/lib/glimmora/template/normal.gmr" -o "$work/normal.swf" >"$work/out" 2>&1 ||
  { fail "the packaged glimmora-cli does not build the sample"; cat "$work/out"; }

if ((failures)); then
  echo "$failures check(s) of the package failed"
  exit 1
fi
echo "The package $(basename "$package") installs the programs and desktop files and names its dependencies"
