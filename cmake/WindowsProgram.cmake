# The Windows program (make windows): one self-contained executable
# cross-built against a static Qt, with its icon, its version information and
# Qt's Bulgarian texts inside, and the zip and the installer made from it.
# On other systems only the Bulgarian texts are used (by a test).
include_guard(GLOBAL)

set(PLANE_FIGURES_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH
    "Where qtbase_bg.qm is (Debian's qt6-translations-l10n; the same file on every platform)")

# Qt's own Bulgarian texts built into target as :/translations/qtbase_bg.qm,
# where InstallQtInBulgarian looks when no folder has them.
function(plane_figures_bulgarian_qt_texts target)
  set(_qm ${PLANE_FIGURES_QT_TRANSLATIONS}/qtbase_bg.qm)
  if(NOT EXISTS ${_qm})
    message(WARNING "${_qm} is missing (qt6-translations-l10n): Qt's texts stay in English")
    return()
  endif()
  qt_add_resources(${target} "qt_bulgarian" PREFIX /translations
    BASE ${PLANE_FIGURES_QT_TRANSLATIONS} FILES ${_qm})
endfunction()

# Against a static Qt a program carries its plug-ins: the Windows platform
# (the window itself) and the native Windows style for Qt's own dialogs.
function(plane_figures_windows_static_qt target)
  get_target_property(_core_type Qt6::Core TYPE)
  if(_core_type STREQUAL "STATIC_LIBRARY")
    qt_import_plugins(${target}
      INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin)
  endif()
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -s)  # stripped: what ships is what is tested
  endif()
endfunction()

# The program itself: icon and version information, and against a static Qt
# its plug-ins and Bulgarian texts; it is written to the top of the build
# folder, beside the zip and the installer.
function(plane_figures_windows_program target)
  if(NOT WIN32)
    return()
  endif()
  set(PLANE_FIGURES_ICO ${PROJECT_SOURCE_DIR}/data/windows/plane-figures.ico)
  set(PLANE_FIGURES_COPYRIGHT "Copyright (c) 2026 The plane-figures developers, MIT License")
  configure_file(${PROJECT_SOURCE_DIR}/data/windows/plane-figures.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/plane-figures.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/plane-figures.rc)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  plane_figures_windows_static_qt(${target})
  if(EXISTS ${PLANE_FIGURES_QT_TRANSLATIONS}/qtbase_bg.qm)  # else windeployqt copies them
    plane_figures_bulgarian_qt_texts(${target})
  endif()
  if(NOT CMAKE_HOST_WIN32)
    _plane_figures_windows_packages(${target})
  endif()
endfunction()

# A Qt Test suite of the window, cross-built for Windows: the same plug-ins
# as the program, on the Windows platform (run under Wine on Xvfb).
function(plane_figures_windows_test target)
  if(NOT WIN32)
    return()
  endif()
  plane_figures_windows_static_qt(${target})
  # Wine keeps the QT_ variables of Linux from Windows programs and passes
  # WINEQT_... on as QT_...; without a console Qt Test would write its log
  # to the debugger
  set_tests_properties(workspace.${target} PROPERTIES ENVIRONMENT
    "WINEQT_QPA_PLATFORM=windows;WINEQT_FORCE_STDERR_LOGGING=1")
endfunction()

# plane-figures-VERSION-windows.zip (a folder with the program and a read-me in
# Bulgarian) and plane-figures-VERSION-setup.exe (the NSIS installer).
function(_plane_figures_windows_packages target)
  set(_name plane-figures-${PROJECT_VERSION})
  set(_stage ${CMAKE_BINARY_DIR}/zip/${_name})
  set(_readme ${CMAKE_BINARY_DIR}/README-BG.txt)
  configure_file(${PROJECT_SOURCE_DIR}/data/windows/README-BG.txt.in ${_readme}
                 @ONLY NEWLINE_STYLE CRLF)
  set(_zip ${CMAKE_BINARY_DIR}/${_name}-windows.zip)
  add_custom_command(OUTPUT ${_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/zip
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${_readme} ${_stage}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip
            ${CMAKE_COMMAND} -E tar cf ${_zip} --format=zip ${_name}
    DEPENDS ${target} ${_readme} VERBATIM)

  find_program(MAKENSIS makensis REQUIRED)
  set(_setup ${CMAKE_BINARY_DIR}/${_name}-setup.exe)
  set(_nsi ${PROJECT_SOURCE_DIR}/data/windows/installer.nsi)
  add_custom_command(OUTPUT ${_setup}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
            -DPROGRAM=$<TARGET_FILE:${target}> -DWEBSITE=${PLANE_FIGURES_WEBSITE}
            -DOUTFILE=${_setup} ${_nsi}
    DEPENDS ${target} ${_nsi} ${PROJECT_SOURCE_DIR}/data/windows/plane-figures.ico VERBATIM)
  add_custom_target(windows_packages ALL DEPENDS ${_zip} ${_setup})
endfunction()
