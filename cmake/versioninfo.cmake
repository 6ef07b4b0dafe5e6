# korvo_version_resource(TARGET DESCRIPTION): gives a Windows program its
# version resource (product, version, company, licence). The resource is
# compiled apart so that the C++ warning flags never reach windres.
function(korvo_version_resource target description)
  set(KORVO_FILE_DESCRIPTION "${description}")
  set(KORVO_FILE_NAME ${target})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/versioninfo.rc.in ${rc} @ONLY)
  add_library(${target}_version OBJECT ${rc})
  target_link_libraries(${target} PRIVATE ${target}_version)
endfunction()
