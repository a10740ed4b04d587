# tandrel_form_definition(<var> <template.json>): makes the build splice the
# binary data a definition refers to; <var> receives the spliced file.
set(TANDREL_SPLICE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/SpliceDefinition.cmake)

function(tandrel_form_definition out_var source)
  get_filename_component(source ${source} ABSOLUTE)
  get_filename_component(name ${source} NAME)
  get_filename_component(base ${source} DIRECTORY)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/forms/${name})
  file(READ ${source} text)
  string(REGEX MATCHALL "@(file|property):[^\"]+" refs "${text}")
  set(deps ${source} ${TANDREL_SPLICE_SCRIPT})
  foreach(ref IN LISTS refs)
    string(REGEX REPLACE "^@(file|property):" "" path "${ref}")
    if(NOT IS_ABSOLUTE "${path}")
      set(path "${base}/${path}")
    endif()
    list(APPEND deps ${path})
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${out} -DBASE=${base} -P ${TANDREL_SPLICE_SCRIPT}
    DEPENDS ${deps}
    COMMENT "Splicing ${name}")
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()
