#!/usr/bin/env bash
# Makes the Debian package build/package/glimmora_VERSION_ARCH.deb and checks
# it with lintian (errors fail; warnings are listed).
#   bash scripts/package-deb.sh             installs what is missing, builds the programs, packs
#   bash scripts/package-deb.sh --no-build [BUILD_DIR]
#                                           packs a build folder as it is (the tests do this)
# Install the package with: sudo apt-get install ./build/package/glimmora_*.deb
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

build=$repo/build
if [[ ${1:-} == --no-build ]]; then
  build=${2:-$build}
else
  bash "$repo/scripts/install-deps.sh" --packaging
  cd "$repo"
  if [[ ! -f build/CMakeCache.txt ]]; then
    generator=()
    if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMORA_TESTS=OFF -DGLIMMORA_BENCH=OFF
  fi
  cmake --build build -j"$(nproc)" --target glimmora_installed_files
fi

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "package-deb.sh: $tool is missing (Debian: cmake, dpkg-dev); run scripts/install-deps.sh --packaging" >&2
    exit 1
  fi
done

out=$build/package
rm -f "$out"/glimmora_*.deb
# dpkg-shlibdeps reads the libraries' symbols files; without it CPack would
# leave Depends without the libraries.
if ! (cd "$build" && cpack -G DEB --config CPackConfig.cmake) >"$build/cpack.log" 2>&1; then
  cat "$build/cpack.log" >&2
  echo "package-deb.sh: cpack failed (its output is above and in $build/cpack.log)" >&2
  exit 1
fi
package=$(ls "$out"/glimmora_*.deb)
echo "Made $package"
dpkg-deb --field "$package" Package Version Architecture Depends Recommends

if ! command -v lintian >/dev/null 2>&1; then
  echo "lintian is not installed (Debian: lintian): the package was not checked" >&2
  exit 0
fi
# Errors fail; warnings and notes are listed for the record.
status=0
lintian --tag-display-limit 0 --display-info "$package" >"$build/lintian.log" 2>&1 || status=$?
errors=$(grep -c '^E: ' "$build/lintian.log" || true)
warnings=$(grep -c '^W: ' "$build/lintian.log" || true)
cat "$build/lintian.log"
echo "lintian: $errors error(s), $warnings warning(s) (all of it in $build/lintian.log)"
if ((errors)); then exit 1; fi
if ((status)); then
  echo "package-deb.sh: lintian ended with status $status without naming an error" >&2
  exit 1
fi
