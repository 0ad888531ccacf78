# Precompiled Qt headers. Each source of the windows and of the tests parses
# the same Qt headers again, which takes more than half of its compile time;
# precompiled once per build and shared, they are parsed once. GCC and
# Clang only: elsewhere (and with the option off) the build is the same,
# only slower.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  option(TZK_PRECOMPILE_HEADERS "Precompile the Qt headers the windows and tests share" ON)
else()
  set(TZK_PRECOMPILE_HEADERS OFF)
endif()

# What the widget libraries and nearly every test include.
set(TZK_QT_WIDGET_HEADERS <QApplication> <QComboBox> <QDialog> <QLabel> <QLineEdit> <QMainWindow> <QMessageBox>
                          <QPushButton> <QDir> <QFile> <QTimer>)

# Qt Test defines QT_TESTCASE_BUILDDIR and QT_TESTCASE_SOURCEDIR as each
# target's own folders (for QFINDTESTDATA, which nothing here uses). A
# precompiled header is taken only where every macro it looked at is the
# same, so the hosts and their users leave both undefined.
set(TZK_PCH_OPTIONS -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)

# A target that compiles nothing of its own and precompiles `headers` for
# the targets that link `libs` (see tzk_share_pch).
function(tzk_precompiled_host host)
  cmake_parse_arguments(P "" "" "HEADERS;LIBS" ${ARGN})
  file(CONFIGURE OUTPUT ${host}.cpp CONTENT "// Host of shared precompiled headers.\n")
  add_library(${host} OBJECT ${CMAKE_CURRENT_BINARY_DIR}/${host}.cpp)
  set_target_properties(${host} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  target_link_libraries(${host} PRIVATE ${P_LIBS})
  target_precompile_headers(${host} PRIVATE ${P_HEADERS})
  target_compile_options(${host} PRIVATE ${TZK_PCH_OPTIONS})
endfunction()

# Lets `target` use what `host` precompiled, where there is such a host.
# A header precompiled with other flags or macros is not used (the compile
# parses the headers instead), so `target` must link what the host links.
function(tzk_share_pch target host)
  if(TZK_PRECOMPILE_HEADERS AND TARGET ${host})
    target_precompile_headers(${target} REUSE_FROM ${host})
    target_compile_options(${target} PRIVATE ${TZK_PCH_OPTIONS})
  endif()
endfunction()

# Sets `out` to TRUE when Qt's widgets reach the compiles of a target that
# links `libs` (directly or through a library's public links).
function(tzk_links_widgets out)
  set(todo ${ARGN})
  set(seen)
  set(${out} FALSE PARENT_SCOPE)
  while(todo)
    list(POP_FRONT todo lib)
    if(lib IN_LIST seen OR lib MATCHES "^\\$<LINK_ONLY:")
      continue()
    endif()
    list(APPEND seen ${lib})
    if(lib STREQUAL "Qt6::Widgets")
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(TARGET ${lib})
      get_target_property(next ${lib} INTERFACE_LINK_LIBRARIES)
      if(next)
        list(APPEND todo ${next})
      endif()
    endif()
  endwhile()
endfunction()
