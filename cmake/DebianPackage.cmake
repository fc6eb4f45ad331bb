# The Debian package, made by CPack's DEB generator from the install rules (scripts/make-deb.sh):
# dpkg-shlibdeps computes Depends from the libraries the program links, and the program is
# stripped with its debug information moved into a pellmora-dbgsym .ddeb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Pellmora maintainers <maintainers@pellmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop front end for the MAME arcade emulator")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/packaging/description.txt)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pellmora.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The emulator does the playing; without it the program can only say that it is missing. Qt's
# catalogues word its standard buttons and dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mame, qt6-translations-l10n")
# Strips the program and keeps its debug information for the -dbgsym package (CPACK_STRIP_FILES
# would throw it away).
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# A game's program goes in /usr/games in Debian (its section is games); cmake --install keeps it
# in bin/, where a prefix such as ~/.local puts it on the PATH.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGamesDir.cmake)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
