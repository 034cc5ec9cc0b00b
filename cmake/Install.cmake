# Installing Tallyvane as a desktop program under any prefix:
#
#   PREFIX/lib/tallyvane/tallyvane     the program
#   PREFIX/lib/tallyvane/Exchange.db   the rates database (see below)
#   PREFIX/bin/tallyvane               symbolic link to the program
#   PREFIX/share/applications/com.fernwicksoftware.Tallyvane.desktop
#   PREFIX/share/metainfo/com.fernwicksoftware.Tallyvane.metainfo.xml
#   PREFIX/share/icons/hicolor/{16x16..256x256,scalable}/apps/com.fernwicksoftware.Tallyvane.*
#   PREFIX/share/man/man1/tallyvane.1.gz
#   PREFIX/share/tallyvane/translations/tallyvane_LANG.qm   (translations/CMakeLists.txt)
#   PREFIX/share/doc/tallyvane/        README, licence
#
# The program looks for Exchange.db beside its own executable. Qt finds that
# through /proc/self/exe, which resolves the link in bin/, so starting it by the
# link still opens the database in lib/tallyvane/.
#
# Install components:
#   Runtime      everything above but the database and the licence file
#   LocalRates   a seeded Exchange.db in the program folder, only when missing,
#                and LICENSE; part of a plain `cmake --install` (per-user and
#                /usr/local installs)
#   DebianRates  the Debian package's own arrangement (cmake/Package.cmake): the
#                seed read-only under share/tallyvane/, and in the program folder
#                a link to the live file in /var/lib/tallyvane/, which the
#                maintainer scripts create. Left out of a plain install.

set(TALLYVANE_APP_ID com.fernwicksoftware.Tallyvane)

# The Debian changelog lists every release, newest first, each with the time it
# was made. The project's version must have an entry there: the newest one, or
# the one below a newest entry marked UNRELEASED (work towards the next
# version). That entry's day is the release date the metainfo and the manual
# page carry.
set(_tallyvane_changelog ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_tallyvane_changelog})
file(STRINGS ${_tallyvane_changelog} _lines)
set(_versions)
set(_distributions)
set(_dates)
foreach(_line IN LISTS _lines)
  if(_line MATCHES "^tallyvane \\(([^)]+)\\) ([^;]+);")
    list(APPEND _versions ${CMAKE_MATCH_1})
    list(APPEND _distributions ${CMAKE_MATCH_2})
  elseif(_line MATCHES "^ -- .+>  (.+)$")
    list(APPEND _dates "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(FIND _versions ${PROJECT_VERSION} _entry)
list(LENGTH _versions _count)
list(LENGTH _dates _dated)
if(_entry EQUAL 1)
  list(GET _distributions 0 _newest)
endif()
if(NOT _count EQUAL _dated OR _entry EQUAL -1 OR _entry GREATER 1
   OR (_entry EQUAL 1 AND NOT _newest STREQUAL "UNRELEASED"))
  message(FATAL_ERROR "packaging/debian/changelog: version ${PROJECT_VERSION} needs an entry, "
    "newest or below an UNRELEASED one, each entry closed by a ' -- name <address>  date' line")
endif()
# The day as written in the entry, whatever the zone of the machine building.
list(GET _dates ${_entry} _date)
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(_month -1)
if(_date MATCHES "^[A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  set(_day ${CMAKE_MATCH_1})
  set(_year ${CMAKE_MATCH_3})
  list(FIND _months ${CMAKE_MATCH_2} _month)
endif()
if(_month EQUAL -1)
  message(FATAL_ERROR "packaging/debian/changelog: '${_date}' is not a date such as 'Mon, 07 Dec 2026 17:00:50 +0000'")
endif()
math(EXPR _month "${_month} + 1")
string(LENGTH ${_day} _len)
if(_len EQUAL 1)
  set(_day 0${_day})
endif()
if(_month LESS 10)
  set(_month 0${_month})
endif()
set(TALLYVANE_RELEASE_DATE ${_year}-${_month}-${_day})
# lib/, not lib/<multiarch>/: the program folder is the program's, not a library folder.
set(TALLYVANE_PROGRAM_DIR lib/tallyvane)
set(TALLYVANE_SEED_DIR ${CMAKE_INSTALL_DATADIR}/tallyvane)
set(TALLYVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tallyvane)
# Fixed by the Debian package whatever the build's prefix.
set(TALLYVANE_STATE_DIR /var/lib/tallyvane)
set(TALLYVANE_DEB_SEED_DIR /usr/${TALLYVANE_SEED_DIR})

set(_tallyvane_gen ${PROJECT_BINARY_DIR}/packaging)

# What installs ship is made afresh from the seed file, never the build
# folder's Exchange.db, which holds whatever rates the developer typed in.
set(_tallyvane_seed_db ${_tallyvane_gen}/seed/Exchange.db)
add_custom_command(OUTPUT ${_tallyvane_seed_db}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_tallyvane_gen}/seed
  COMMAND ${CMAKE_COMMAND} -E rm -f ${_tallyvane_seed_db}
  COMMAND mkratesdb ${PROJECT_SOURCE_DIR}/tools/rates-seed.csv ${_tallyvane_seed_db}
  DEPENDS mkratesdb ${PROJECT_SOURCE_DIR}/tools/rates-seed.csv
  VERBATIM)

# ---- Files made from templates: the version comes from project() only -----
configure_file(${PROJECT_SOURCE_DIR}/packaging/${TALLYVANE_APP_ID}.metainfo.xml.in
  ${_tallyvane_gen}/${TALLYVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tallyvane.1.in
  ${_tallyvane_gen}/tallyvane.1 @ONLY)
foreach(_script postinst prerm postrm)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/${_script}.in
    ${_tallyvane_gen}/debian/${_script} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()

# Compressed without a name or time stamp, so the same sources give the same bytes.
foreach(_doc ${_tallyvane_gen}/tallyvane.1 ${_tallyvane_changelog})
  get_filename_component(_name ${_doc} NAME)
  add_custom_command(OUTPUT ${_tallyvane_gen}/${_name}.gz
    COMMAND gzip -9 -n -c ${_doc} > ${_tallyvane_gen}/${_name}.gz
    DEPENDS ${_doc}
    VERBATIM)
endforeach()
add_custom_target(tallyvane_install_files ALL
  DEPENDS ${_tallyvane_gen}/tallyvane.1.gz ${_tallyvane_gen}/changelog.gz ${_tallyvane_seed_db})

# ---- Runtime ----------------------------------------------------------------
install(TARGETS tallyvane RUNTIME DESTINATION ${TALLYVANE_PROGRAM_DIR} COMPONENT Runtime)

# A relative link, so the installed tree can be moved or staged with DESTDIR.
file(RELATIVE_PATH _tallyvane_link_target
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TALLYVANE_PROGRAM_DIR}/tallyvane)
install(CODE "
  set(_bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${_bin_dir}\")
  message(STATUS \"Installing: \${_bin_dir}/tallyvane -> ${_tallyvane_link_target}\")
  file(CREATE_LINK \"${_tallyvane_link_target}\" \"\${_bin_dir}/tallyvane\" SYMBOLIC)
" COMPONENT Runtime)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TALLYVANE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
install(FILES ${_tallyvane_gen}/${TALLYVANE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
foreach(_size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tallyvane-${_size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
    RENAME ${TALLYVANE_APP_ID}.png COMPONENT Runtime)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/tallyvane.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${TALLYVANE_APP_ID}.svg COMPONENT Runtime)
install(FILES ${_tallyvane_gen}/tallyvane.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)
install(FILES ${PROJECT_SOURCE_DIR}/README.md
  DESTINATION ${TALLYVANE_DOC_DIR} COMPONENT Runtime)

# ---- LocalRates -------------------------------------------------------------
# The database holds the user's own rates once in use: seed it only when the
# destination has none (a dangling link counts as one), so reinstalling or
# upgrading keeps them.
install(CODE "
  set(_db_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TALLYVANE_PROGRAM_DIR}\")
  if(NOT EXISTS \"\${_db_dir}/Exchange.db\" AND NOT IS_SYMLINK \"\${_db_dir}/Exchange.db\")
    # file(INSTALL) adds DESTDIR itself.
    file(INSTALL \"${_tallyvane_seed_db}\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${TALLYVANE_PROGRAM_DIR}\"
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  else()
    message(STATUS \"Keeping: \${_db_dir}/Exchange.db\")
  endif()
" COMPONENT LocalRates)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${TALLYVANE_DOC_DIR} COMPONENT LocalRates)

# ---- DebianRates ------------------------------------------------------------
install(FILES ${_tallyvane_seed_db}
  DESTINATION ${TALLYVANE_SEED_DIR}
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  COMPONENT DebianRates EXCLUDE_FROM_ALL)
# Absolute on purpose: it leads from /usr into /var.
install(CODE "
  set(_db_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TALLYVANE_PROGRAM_DIR}\")
  file(MAKE_DIRECTORY \"\${_db_dir}\")
  message(STATUS \"Installing: \${_db_dir}/Exchange.db -> ${TALLYVANE_STATE_DIR}/Exchange.db\")
  file(CREATE_LINK \"${TALLYVANE_STATE_DIR}/Exchange.db\" \"\${_db_dir}/Exchange.db\" SYMBOLIC)
" COMPONENT DebianRates EXCLUDE_FROM_ALL)
# The timer that takes head office's rates (it runs only where feed.conf exists).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/systemd/tallyvane-update-rates.service
  ${PROJECT_SOURCE_DIR}/packaging/systemd/tallyvane-update-rates.timer
  DESTINATION /usr/lib/systemd/system COMPONENT DebianRates EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${_tallyvane_gen}/changelog.gz
  DESTINATION ${TALLYVANE_DOC_DIR} COMPONENT DebianRates EXCLUDE_FROM_ALL)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

# Installs into a scratch prefix and checks the layout, the link, the desktop
# integration files, and that a second install leaves the user's database alone.
if(BUILD_TESTING)
  add_test(NAME install_layout
    COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/check-install-layout.sh
      ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/install-check)
  set_tests_properties(install_layout PROPERTIES RESOURCE_LOCK install-check)
endif()
