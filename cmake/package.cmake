# The Debian package (cpack -G DEB in a release build): the installed files, the binary stripped,
# its dependencies computed by dpkg-shlibdeps, named vemra_<version>_<architecture>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vemra)
set(CPACK_PACKAGE_VENDOR "The vemra developers")
set(CPACK_PACKAGE_CONTACT "The vemra developers <vemra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "play a Persian multimedia title of the late 1990s")
set(CPACK_PACKAGE_DESCRIPTION "vemra plays a Persian multimedia title made for 32-bit Windows in the late
1990s natively: its picture screens, transitions, music, narrations whose text
follows the voice, galleries, album, video clips, reading screens in the
title's Persian bitmap fonts and its search window with its own input method.
The content is read unchanged from the title's disc image or a folder.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Reading aloud needs the speech service and a Persian voice; the fallback text face is DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher, speech-dispatcher-espeak-ng, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
