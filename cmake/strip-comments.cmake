# Run by cpack on the staged files: removes the .comment section (compiler
# version strings) from the installed programs.
find_program(KORVO_OBJCOPY objcopy REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER staged INCLUDE REGEX "/bin/[^/]+$")
foreach(program ${staged})
  execute_process(COMMAND ${KORVO_OBJCOPY} --remove-section=.comment ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
