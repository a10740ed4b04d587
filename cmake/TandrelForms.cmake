# tandrel_form_definition(<var> <template.json> [VARIABLES <name>...]): makes
# the build splice the binary data a definition refers to; <var> receives the
# spliced file. A reference may name a file through variables of the caller
# ("@property:@TANDREL_DEFAULT_SKIN@"), listed after VARIABLES.
set(TANDREL_SPLICE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/SpliceDefinition.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/DefinitionReference.cmake)

function(tandrel_form_definition out_var source)
  cmake_parse_arguments(F "" "" "VARIABLES" ${ARGN})
  get_filename_component(source ${source} ABSOLUTE)
  get_filename_component(name ${source} NAME)
  get_filename_component(base ${source} DIRECTORY)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/forms/${name})
  file(READ ${source} text)
  string(REGEX MATCHALL "@(file|property):[^\"]+" refs "${text}")
  set(deps ${source} ${TANDREL_SPLICE_SCRIPT} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/DefinitionReference.cmake)
  set(defines)
  foreach(variable IN LISTS F_VARIABLES)
    list(APPEND defines "-D${variable}=${${variable}}")
  endforeach()
  foreach(ref IN LISTS refs)
    tandrel_definition_reference_path("${ref}" "${base}" path)
    list(APPEND deps ${path})
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${out} -DBASE=${base} ${defines} -P ${TANDREL_SPLICE_SCRIPT}
    DEPENDS ${deps}
    COMMENT "Splicing ${name}")
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()
