# Adds the resource script, with the icon it embeds, to a target. The icon is
# drawn by a small host program (ui/icon/make_app_icon.cpp) at build time.
find_program(ORVIK_HOST_CXX NAMES g++ c++ REQUIRED)

set(ORVIK_ICON_DIR ${CMAKE_BINARY_DIR}/ui-icon)
add_custom_command(
  OUTPUT ${ORVIK_ICON_DIR}/app.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVIK_ICON_DIR}
  COMMAND ${ORVIK_HOST_CXX} -std=c++17 -O1 -o ${ORVIK_ICON_DIR}/make_app_icon
          ${CMAKE_SOURCE_DIR}/ui/icon/make_app_icon.cpp
  COMMAND ${ORVIK_ICON_DIR}/make_app_icon ${ORVIK_ICON_DIR}/app.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/ui/icon/make_app_icon.cpp
  COMMENT "Drawing the application icon"
  VERBATIM)
add_custom_target(orvik_icon DEPENDS ${ORVIK_ICON_DIR}/app.ico)

function(orvik_add_resources target)
  set(rc ${CMAKE_SOURCE_DIR}/ui/orvik.rc)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES
    OBJECT_DEPENDS "${ORVIK_ICON_DIR}/app.ico;${CMAKE_SOURCE_DIR}/ui/orvik.manifest;${CMAKE_SOURCE_DIR}/ui/resource.h")
  # windres looks for the icon and the manifest along the include path; the
  # script is UTF-8 and says so, and -c makes windres agree.
  target_include_directories(${target} PRIVATE ${ORVIK_ICON_DIR} ${CMAKE_SOURCE_DIR}/ui)
  add_dependencies(${target} orvik_icon)
endfunction()
