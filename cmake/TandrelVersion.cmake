# One version number, the project's, for every shipped program: a version
# resource and the application manifest (cmake/ship/Tandrel.manifest.in, the
# one manifest every program carries).
set(TANDREL_PUBLISHER "The Tandrel developers")
set(TANDREL_COPYRIGHT "Copyright (C) 2026 The Tandrel developers")
set(TANDREL_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
string(REPLACE "." "," TANDREL_VERSION_COMMAS "${TANDREL_VERSION_QUAD}")
set(TANDREL_SHIP_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/ship)

# tandrel_version_info(target "what it is"): the version resource and the
# manifest, TANDREL_VERSION for the program's own use, and a file with no
# link time stamp in it, so that two builds of one commit give the same bytes.
function(tandrel_version_info target description)
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
