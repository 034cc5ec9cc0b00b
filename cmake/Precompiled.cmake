# Precompiled headers. Parsing Qt's and GoogleTest's headers takes most of the
# compile time of a small source, and every window and test includes the same
# few. One target of each kind precompiles them and the others of that kind
# reuse its header (REUSE_FROM), which they can because they build with the
# same flags and definitions.
set(TALLYVANE_PCH_CORE
  <QByteArray> <QDate> <QDir> <QFile> <QFileInfo> <QHash> <QLocale> <QString> <QStringList>
  <functional> <memory> <optional> <vector>)
set(TALLYVANE_PCH_WIDGETS ${TALLYVANE_PCH_CORE}
  <QApplication> <QDialog> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMainWindow>
  <QPushButton> <QTableWidget> <QTimer> <QWidget>)

# tallyvane_precompile(TARGET CORE|WIDGETS [GTEST]): the target makes the header.
function(tallyvane_precompile target kind)
  set(headers ${TALLYVANE_PCH_${kind}})
  if("GTEST" IN_LIST ARGN)
    list(APPEND headers <QTemporaryDir> <gtest/gtest.h>)
    if(kind STREQUAL "WIDGETS")
      list(APPEND headers <QTest>)
    endif()
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
