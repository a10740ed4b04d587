# One version number, the project's, for every shipped program: a version
# resource and the application manifest (cmake/ship/Tandrel.manifest.in, the
# one manifest every program carries).
set(TANDREL_PUBLISHER "The Tandrel developers")
set(TANDREL_COPYRIGHT "Copyright (C) 2026 The Tandrel developers")
set(TANDREL_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
string(REPLACE "." "," TANDREL_VERSION_COMMAS "${TANDREL_VERSION_QUAD}")
set(TANDREL_SHIP_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/ship)

# A program with windows draws them at each screen's density itself: per
# monitor (version 2 where the system has it, else the first), and on systems
# before Windows 10 1607 per monitor (8.1) or at the system's density.
set(TANDREL_DPI_SETTINGS [[
  <application xmlns="urn:schemas-microsoft-com:asm.v3">
    <windowsSettings>
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>
      <dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>
    </windowsSettings>
  </application>
]])

# tandrel_version_info(target "what it is" [WINDOWS]): the version resource
# and the manifest (with the density settings for a program with WINDOWS),
# TANDREL_VERSION for the program's own use, and a file with no link time
# stamp in it, so that two builds of one commit give the same bytes.
function(tandrel_version_info target description)
  cmake_parse_arguments(V "WINDOWS" "" "" ${ARGN})
  if(V_WINDOWS)
    set(TANDREL_WINDOWS_SETTINGS "${TANDREL_DPI_SETTINGS}")
  else()
    set(TANDREL_WINDOWS_SETTINGS "")
  endif()
  set(TANDREL_PROGRAM ${target})
  set(TANDREL_FILE_DESCRIPTION "${description}")
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TANDREL_MANIFEST_ARCH amd64)
  else()
    set(TANDREL_MANIFEST_ARCH x86)
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/version)
  set(TANDREL_MANIFEST_FILE ${dir}/${target}.manifest)
  configure_file(${TANDREL_SHIP_TEMPLATES}/Tandrel.manifest.in ${TANDREL_MANIFEST_FILE} @ONLY)
  configure_file(${TANDREL_SHIP_TEMPLATES}/VersionInfo.rc.in ${dir}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${target}.rc)
  set_source_files_properties(${dir}/${target}.rc PROPERTIES OBJECT_DEPENDS ${TANDREL_MANIFEST_FILE})
  target_compile_definitions(${target} PRIVATE TANDREL_VERSION="${PROJECT_VERSION}")
  target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
endfunction()
