# tandrel_definition_reference_path(<ref> <base> <var>): the file a form
# definition's "@file:PATH" or "@property:PATH" reference names, with @NAME@
# variables of the caller filled in and a relative PATH taken from <base>.
function(tandrel_definition_reference_path ref base out_var)
  string(REGEX REPLACE "^@(file|property):" "" path "${ref}")
  string(CONFIGURE "${path}" path @ONLY)
  if(NOT IS_ABSOLUTE "${path}")
    set(path "${base}/${path}")
  endif()
  set(${out_var} "${path}" PARENT_SCOPE)
endfunction()
