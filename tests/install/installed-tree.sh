#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR with prefix /usr and checks that
# the installed tree works on its own: the layout a desktop looks for, the
# programs started through their links in bin/ (the CLI builds the sample
# project, makes a projector with the installed player and takes the movie
# back out; the player plays it; the editor starts offscreen from the blank
# template), and the desktop entries, AppStream metainfo and project type
# checked by the desktop's own tools where they are installed.
# Usage: installed-tree.sh BUILD_DIR
set -uo pipefail

build=${1:?usage: installed-tree.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
usr=$root/usr
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" >"$work/out" 2>&1 || { fail "$what"; sed 's/^/    /' "$work/out"; }; }

if ! DESTDIR=$root "${CMAKE:-cmake}" --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install into a DESTDIR"
  exit 1
fi

# --- The layout.
for program in glimmora glimmora-cli glimmora-player; do
  [[ -L $usr/bin/$program ]] || fail "bin/$program is not a link"
  [[ $(readlink "$usr/bin/$program") == ../lib/glimmora/$program ]] || fail "bin/$program points at $(readlink "$usr/bin/$program")"
  [[ -x $usr/lib/glimmora/$program && ! -L $usr/lib/glimmora/$program ]] || fail "lib/glimmora/$program is not an executable file"
done
for file in lib/glimmora/template/blank.gmr lib/glimmora/template/normal.gmr lib/glimmora/English.ini \
            lib/glimmora/ChineseGB.ini lib/glimmora/help/Glimmora.html lib/glimmora/ruffle/ruffle.js \
            share/applications/org.tessaly.Glimmora.desktop share/applications/org.tessaly.Glimmora.Player.desktop \
            share/metainfo/org.tessaly.Glimmora.metainfo.xml share/mime/packages/glimmora.xml \
            share/icons/hicolor/scalable/apps/glimmora.svg \
            share/man/man1/glimmora.1.gz share/man/man1/glimmora-cli.1.gz share/man/man1/glimmora-player.1.gz \
            share/bash-completion/completions/glimmora share/bash-completion/completions/glimmora-cli \
            share/bash-completion/completions/glimmora-player share/doc/glimmora/copyright \
            share/doc/glimmora/changelog.gz; do
  [[ -f $usr/$file ]] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/glimmora.png
  if [[ ! -f $icon ]]; then
    fail "the ${size}x${size} icon is not installed"
  elif [[ $(file -b "$icon") != *"PNG image data, $size x $size,"* ]]; then
    fail "the ${size}x${size} icon is $(file -b "$icon")"
  fi
done
ls "$usr/lib/glimmora"/*.debug >/dev/null 2>&1 && fail "split debug information is installed"
zcat "$usr/share/man/man1/glimmora-cli.1.gz" | grep -q '^\.SH "EXIT STATUS"\|^\.SH EXIT STATUS' ||
  fail "the installed glimmora-cli(1) has no EXIT STATUS section"

# --- The command-line tool, started through its link.
export TEMP=$work/temp QT_QPA_PLATFORM=offscreen GLIMMORA_NO_AUDIO=1
mkdir -p "$TEMP"
cli=$usr/bin/glimmora-cli
check "installed glimmora-cli --version" "$cli" --version
grep -q "^glimmora-cli [0-9]" "$work/out" || fail "glimmora-cli --version says: $(cat "$work/out")"
check "installed glimmora-cli builds the sample project" \
  "$cli" build "$usr/lib/glimmora/template/normal.gmr" -o "$work/normal.swf"
check "installed glimmora-cli makes a project" "$cli" new "$work/made.gmr" --template blank
check "installed glimmora-cli adds a text" "$cli" add-text "$work/made.gmr" "Installed" --effect "Come In"
check "installed glimmora-cli builds the project it made" "$cli" build "$work/made.gmr"
for movie in "$work/normal.swf" "$work/made.swf"; do
  [[ -s $movie && $(head -c 3 "$movie") =~ ^[FC]WS$ ]] || fail "no movie in $movie"
done
if [[ -n ${GLIMMORA_SWFCHECK:-} && -x ${GLIMMORA_SWFCHECK:-} ]]; then
  check "the installed CLI's movie passes the independent parser" "$GLIMMORA_SWFCHECK" parse "$work/normal.swf" --strict
fi
# A projector carries the installed player, found beside the CLI.
check "installed glimmora-cli makes a projector" "$cli" swf-to-exe "$work/normal.swf" -o "$work/normal.exe"
check "installed glimmora-cli takes the movie out again" "$cli" exe-to-swf "$work/normal.exe" -o "$work/back.swf"
cmp -s "$work/normal.swf" "$work/back.swf" || fail "the movie taken out of the projector differs"
# A video: the installed CLI opens the FFmpeg module of the program folder.
check "installed glimmora-cli exports a video" "$cli" export "$work/normal.swf" -o "$work/normal.mp4" --frames 0-2
[[ $(file -b "$work/normal.mp4") == *"MP4"* ]] || fail "the exported video is $(file -b "$work/normal.mp4")"

# --- The player plays the movie and ends after a few frames.
GLIMMORA_PLAYER_QUIT_AFTER=3 timeout 60 "$usr/bin/glimmora-player" "$work/normal.swf" >"$work/out" 2>&1 ||
  { fail "installed glimmora-player does not play the sample movie"; sed 's/^/    /' "$work/out"; }

# --- The editor starts from the blank template: its working copy's movie is
# the one the CLI builds from the installed template.
"$usr/bin/glimmora" >"$work/editor.log" 2>&1 &
editor=$!
untitled=$TEMP/Glimmora-Untitled/Untitled.swf
for ((i = 0; i < 600; ++i)); do
  [[ -s $untitled ]] && break
  kill -0 "$editor" 2>/dev/null || break
  sleep 0.1
done
if [[ ! -s $untitled ]]; then
  fail "installed glimmora did not start with the blank template"
  sed 's/^/    /' "$work/editor.log"
else
  sleep 0.5  # the movie is renamed into place whole; let the editor settle before comparing
  check "installed glimmora-cli builds the blank template" \
    "$cli" build "$usr/lib/glimmora/template/blank.gmr" -o "$work/blank.swf"
  cmp -s "$untitled" "$work/blank.swf" || fail "the editor's first movie is not the blank template's"
fi
kill "$editor" 2>/dev/null
wait "$editor" 2>/dev/null

# --- The desktop's own checks, where its tools are installed.
if command -v desktop-file-validate >/dev/null; then
  for entry in "$usr"/share/applications/*.desktop; do
    check "desktop-file-validate $(basename "$entry")" desktop-file-validate "$entry"
    [[ -s $work/out ]] && { fail "desktop-file-validate warns about $(basename "$entry")"; sed 's/^/    /' "$work/out"; }
  done
else
  echo "desktop-file-validate is not installed (Debian: desktop-file-utils): desktop entries not validated"
fi
if command -v appstreamcli >/dev/null; then
  check "appstreamcli validate" appstreamcli validate --no-net "$usr/share/metainfo/org.tessaly.Glimmora.metainfo.xml"
else
  echo "appstreamcli is not installed (Debian: appstream): metainfo not validated"
fi
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
  # The project type is known by its extension, and by its root element when
  # the name says nothing.
  data=$work/xdg
  mkdir -p "$data/mime/packages"
  cp "$usr/share/mime/packages/glimmora.xml" /usr/share/mime/packages/freedesktop.org.xml "$data/mime/packages/"
  check "update-mime-database" update-mime-database "$data/mime"
  cp "$usr/lib/glimmora/template/normal.gmr" "$work/sample.gmr"
  cp "$usr/lib/glimmora/template/normal.gmr" "$work/sample-without-extension"
  for file in "$work/sample.gmr" "$work/sample-without-extension"; do
    type=$(XDG_DATA_HOME=$data XDG_DATA_DIRS=$data gio info -a standard::content-type "$file" 2>&1 |
           sed -n 's/^ *standard::content-type: //p')
    [[ $type == application/x-glimmora-project ]] || fail "$(basename "$file") is taken for '$type'"
  done
else
  echo "update-mime-database or gio is not installed: the project type is not checked"
fi

if ((failures)); then
  echo "$failures check(s) of the installed tree failed"
  exit 1
fi
echo "The installed tree works: layout, CLI, projector, player, editor and desktop files checked"
