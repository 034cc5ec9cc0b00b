# Installing Tallyvane as a desktop program under any prefix:
#
#   PREFIX/lib/tallyvane/tallyvane     the program
#   PREFIX/lib/tallyvane/Exchange.db   the rates database, seeded once, never replaced
#   PREFIX/bin/tallyvane               symbolic link to the program
#   PREFIX/share/applications/tallyvane.desktop
#   PREFIX/share/icons/hicolor/scalable/apps/tallyvane.svg
#
# The program looks for Exchange.db beside its own executable. Qt finds that
# through /proc/self/exe, which resolves the link in bin/, so starting it by the
# link still opens the database in lib/tallyvane/.

set(TALLYVANE_PROGRAM_DIR lib/tallyvane)

install(TARGETS tallyvane RUNTIME DESTINATION ${TALLYVANE_PROGRAM_DIR})

# The database holds the user's own rates once in use: seed it only when the
# destination has none, so reinstalling or upgrading keeps them.
set(_tallyvane_seed_db ${CMAKE_BINARY_DIR}/Exchange.db)
install(CODE "
  set(_db_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TALLYVANE_PROGRAM_DIR}\")
  if(NOT EXISTS \"\${_db_dir}/Exchange.db\")
    file(INSTALL \"${_tallyvane_seed_db}\" DESTINATION \"\${_db_dir}\"
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  else()
    message(STATUS \"Keeping: \${_db_dir}/Exchange.db\")
  endif()
")

# A relative link, so the installed tree can be moved or staged with DESTDIR.
file(RELATIVE_PATH _tallyvane_link_target
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TALLYVANE_PROGRAM_DIR}/tallyvane)
install(CODE "
  set(_bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${_bin_dir}\")
  message(STATUS \"Installing: \${_bin_dir}/tallyvane -> ${_tallyvane_link_target}\")
  file(CREATE_LINK \"${_tallyvane_link_target}\" \"\${_bin_dir}/tallyvane\" SYMBOLIC)
")

install(FILES ${PROJECT_SOURCE_DIR}/resources/tallyvane.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/tallyvane.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME tallyvane.svg)

# Installs into a scratch prefix and checks the layout, the link, the desktop
# file, and that a second install leaves the user's database alone.
if(BUILD_TESTING)
  add_test(NAME install_layout
    COMMAND sh -c [=[
      set -eu
      cmake=$1 build=$2 prefix=$3 progdir=$3/$4 bindir=$3/$5 datadir=$3/$6
      rm -rf "$prefix"
      "$cmake" --install "$build" --prefix "$prefix" >/dev/null
      test -x "$progdir/tallyvane"
      test -s "$progdir/Exchange.db"
      test -L "$bindir/tallyvane"
      test "$(readlink -f "$bindir/tallyvane")" = "$(readlink -f "$progdir/tallyvane")"
      test -s "$datadir/icons/hicolor/scalable/apps/tallyvane.svg"
      if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$datadir/applications/tallyvane.desktop"
      fi
      grep -qx 'Exec=tallyvane' "$datadir/applications/tallyvane.desktop"
      printf 'rates of my own' >"$progdir/Exchange.db"
      "$cmake" --install "$build" --prefix "$prefix" >/dev/null
      test "$(cat "$progdir/Exchange.db")" = 'rates of my own'
      rm -rf "$prefix"
      echo "install layout ok"
    ]=] install_layout
      ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/install-check
      ${TALLYVANE_PROGRAM_DIR} ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR})
endif()
