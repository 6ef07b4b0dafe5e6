# The arrows between the layers, enforced by the compiler: a layer's target
# sees its own folder, and through the targets it links the folders of the
# layers below it, never one above. Each folder is reached through a
# directory of its own in the build tree that holds a link to it alone, so
# an include that climbs a layer names a folder the compiler cannot find.
function(korvo_layer target folder)
  set(dir ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${dir})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${dir})
  else()
    target_include_directories(${target} PUBLIC ${dir})
  endif()
endfunction()
