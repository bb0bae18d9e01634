# The Debian package, made by `cpack -G DEB` from the installed tree
# (scripts/package-deb.sh builds, packs and checks it with lintian).
set(CPACK_PACKAGE_NAME glimmora)
set(CPACK_PACKAGE_VENDOR Tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authoring tool for short animated SWF movies")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GLIMMORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; CPack puts the summary above it as the synopsis and
# indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Glimmora composes short animated SWF movies from timed texts, pictures
and sounds; every text or picture carries one named effect. It generates
the movie with its own encoder and previews it at once in its own player.
.
Movies are shared as SWF files, self-running projectors, videos (MP4,
WebM), animated images (GIF, WebP, PNG), offline web pages, or as the
desktop's screensaver. The command-line tool glimmora-cli makes, edits and
builds projects without the editor, many at once, and fills a template
from the rows of a CSV table. The interface speaks English and Simplified
Chinese.")

# The libraries the programs link (Qt, FFmpeg, libwebp, libimagequant,
# libsndfile, ...) come from dpkg-shlibdeps. What is loaded at run time
# instead of linked is named here: the fonts that movies' texts fall back to,
# and Qt's WebP reader and translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation, fonts-wqy-microhei, qt6-image-formats-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
