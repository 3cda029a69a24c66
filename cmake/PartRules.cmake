# The rules that keep the program's parts apart, checked when configuring:
# what a part's folder may include, and what its library may link, directly
# or through the libraries it links.

# The header names a Qt module installs (QWidget, qwidget.h, ...).
function(_plane_figures_qt_headers module out)
  get_target_property(_dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
  set(_names "")
  foreach(_dir IN LISTS _dirs)
    if(_dir MATCHES "Qt${module}$" AND IS_DIRECTORY "${_dir}")
      file(GLOB _headers RELATIVE "${_dir}" "${_dir}/*")
      list(APPEND _names ${_headers} Qt${module})
    endif()
  endforeach()
  set(${out} "${_names}" PARENT_SCOPE)
endfunction()

# The names that source includes, as written between <> or "".
function(_plane_figures_includes source out)
  file(STRINGS ${source} _lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  set(_names "")
  foreach(_line IN LISTS _lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" _name "${_line}")
    list(APPEND _names "${_name}")
  endforeach()
  set(${out} "${_names}" PARENT_SCOPE)
endfunction()

# Every library target reaches through its links, itself included.
function(_plane_figures_link_closure target out)
  set(_seen "")
  set(_todo ${target})
  while(_todo)
    list(POP_FRONT _todo _lib)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _lib "${_lib}")
    if(_lib IN_LIST _seen OR NOT TARGET "${_lib}")
      continue()
    endif()
    list(APPEND _seen ${_lib})
    get_target_property(_type ${_lib} TYPE)
    set(_props INTERFACE_LINK_LIBRARIES)
    get_target_property(_imported ${_lib} IMPORTED)
    if(NOT _type STREQUAL "INTERFACE_LIBRARY" AND NOT _imported)
      list(APPEND _props LINK_LIBRARIES)
    endif()
    foreach(_prop IN LISTS _props)
      get_target_property(_links ${_lib} ${_prop})
      if(_links)
        list(APPEND _todo ${_links})
      endif()
    endforeach()
  endwhile()
  set(${out} "${_seen}" PARENT_SCOPE)
endfunction()

# plane_figures_refuse(TARGET t
#                      [NO_QT_INCLUDES] [NO_INCLUDES_OF module...]
#                      [NO_LINKS regex])
# Fails the configuration when a header or source in the target's folder
# includes Qt at all (NO_QT_INCLUDES) or a header of the named Qt modules, or
# when the target reaches a library whose name matches regex.
function(plane_figures_refuse)
  cmake_parse_arguments(R "NO_QT_INCLUDES" "TARGET;NO_LINKS" "NO_INCLUDES_OF" ${ARGN})
  get_target_property(_folder ${R_TARGET} SOURCE_DIR)
  set(_refused "")
  foreach(_module IN LISTS R_NO_INCLUDES_OF)
    _plane_figures_qt_headers(${_module} _headers)
    list(APPEND _refused ${_headers})
  endforeach()
  file(GLOB _sources CONFIGURE_DEPENDS ${_folder}/*.h ${_folder}/*.cpp)
  foreach(_source IN LISTS _sources)
    _plane_figures_includes(${_source} _included)
    foreach(_name IN LISTS _included)
      string(REGEX REPLACE "^Qt[A-Za-z]+/" "" _bare "${_name}")
      if((R_NO_QT_INCLUDES AND _name MATCHES "^(Q|qt)") OR _bare IN_LIST _refused)
        message(FATAL_ERROR "${_source} includes <${_name}>, which ${R_TARGET} must not include")
      endif()
    endforeach()
  endforeach()
  if(R_NO_LINKS)
    set_property(TARGET ${R_TARGET} PROPERTY PLANE_FIGURES_NO_LINKS "${R_NO_LINKS}")
    # a deferred call reads its arguments when it runs: put the name in now
    cmake_language(EVAL CODE
      "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL _plane_figures_check_links [[${R_TARGET}]])")
  endif()
endfunction()

# Run once every target is declared, so that later links are seen too.
function(_plane_figures_check_links target)
  get_target_property(_regex ${target} PLANE_FIGURES_NO_LINKS)
  _plane_figures_link_closure(${target} _reached)
  foreach(_lib IN LISTS _reached)
    if(_lib MATCHES "${_regex}")
      message(FATAL_ERROR "${target} must not link ${_lib}, but reaches it through its libraries")
    endif()
  endforeach()
endfunction()
