# qx_embed_resources(target NAMESPACE ns FILES f1 f2 ...)
# Compiles each file into the target as a byte array. The generated
# function `ns::resource(name)` returns the bytes of the file whose base
# name is `name` (an empty view for an unknown name), and
# `ns::resourceNames()` lists them.
function(qx_embed_resources target)
  cmake_parse_arguments(ARG "" "NAMESPACE" "FILES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${ARG_NAMESPACE}_resources.cpp)
  set(script ${PROJECT_SOURCE_DIR}/cmake/QxEmbed.cmake)
  set(abs_files "")
  foreach(f IN LISTS ARG_FILES)
    get_filename_component(abs ${f} ABSOLUTE)
    list(APPEND abs_files ${abs})
  endforeach()
  string(REPLACE ";" "|" joined "${abs_files}")
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DNS=${ARG_NAMESPACE} "-DFILES=${joined}" -P ${script}
    DEPENDS ${abs_files} ${script}
    COMMENT "Embedding ${ARG_NAMESPACE} resources" VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
