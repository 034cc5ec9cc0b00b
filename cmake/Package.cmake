# The Debian package, made by `cpack -G DEB` in the build folder:
# tallyvane_VERSION_ARCH.deb, installed under /usr with the rates arranged as
# the DebianRates component of cmake/Install.cmake describes, and maintainer
# scripts that create the group tallyvane and the live rates file.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyvane)
set(CPACK_PACKAGE_VENDOR "Fernwick Software")
set(CPACK_PACKAGE_CONTACT "Fernwick Software <support@fernwicksoftware.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.fernwicksoftware.com/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "currency converter for a bureau de change till")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The maintainer scripts name /usr paths (TALLYVANE_DEB_SEED_DIR).
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
# One package of the shared files and the Debian arrangement of the rates; the
# per-user seeding (LocalRates) stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};Runtime;/"
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};DebianRates;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The maintainer scripts call addgroup; Qt's network loads the TLS library at run time, and https needs the CA store.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, ca-certificates, libssl3")
# Qt's own words (standard buttons, file dialogs) in the program's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tallyvane changes money between the currencies of two countries and takes
a commission off: choose the two countries, type the amount and the
commission percentage, and it shows the exchanged amount, the commission
and the total that remains.

It works over the till's own table of rates, kept in an encrypted
database in /var/lib/tallyvane, which it updates from the publishers'
files on request or, where configured, from head office's signed rates.
Every user may convert; members of the group tallyvane may also add,
edit, delete, import and fetch rates.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_BINARY_DIR}/packaging/debian/postinst
  ${PROJECT_BINARY_DIR}/packaging/debian/prerm
  ${PROJECT_BINARY_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
