# The Debian package, made by CPack from the install rules: `cpack --preset release` (or
# ./package.sh) writes skimsprinter_<version>_<arch>.deb into the build tree.

set(SKIM_PACKAGE_MAINTAINER "SkimSprinter maintainers <maintainers@skimsprinter.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skimsprinter)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop trainer for faster reading")
# Lines of at most 79 characters; CPack indents them and marks the empty line.
set(CPACK_PACKAGE_DESCRIPTION [=[SkimSprinter trains how much text your eyes take in at one glance and how
fast you read running text.

Drills flash words and phrases for a few tens of milliseconds and adapt their
length to your answers. Practice readings and speed tests scroll a text while
you hold a key and time you; exercises reveal each line group of words by
group of words. Lesson plans of 10 to 60 minutes lead through the activities,
and everyone keeps their own levels and score history under their first name.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SKIM_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program needs at run time beyond the libraries it links: Qt's SVG image-format and
# icon-engine plugins (Debian ships them in the SVG library's package); a PulseAudio server,
# which Qt Multimedia plays sound effects through; and the fonts the text layout is measured
# with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, pipewire-pulse | pulseaudio, fonts-liberation | fonts-liberation2")
# Users' own texts may be in any script or hold emoji.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-noto-color-emoji")

include(CPack)
