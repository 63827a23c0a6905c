# The Debian package: `scripts/kerlanic package` builds build/kerlanic_<version>_amd64.deb.
# Its dependencies are computed from the programs by dpkg-shlibdeps, so they name the Qt
# packages of the Debian release it was built on.
if(NOT UNIX OR APPLE)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kerlanic)
set(CPACK_PACKAGE_VENDOR Kerlanic)
set(CPACK_PACKAGE_CONTACT Kerlanic)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in French ("Oui", "Non") come from this data package, which no
# library link shows.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# Below the summary line (the project's description); CPack indents it as Debian wants.
set(CPACK_PACKAGE_DESCRIPTION "Kerlanic est le carnet de trafic des radioamateurs qui chassent les Codes
Postaux français : saisie des contacts, points du challenge 10 Millions,
Diplôme des Villes Françaises, affichages, comptes rendus et impression.
Le programme CodePostal retrouve un Code Postal ou une commune.")
include(CPack)
