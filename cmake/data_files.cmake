# The files the program expects around its executables. The build folder is the base folder
# ("Version.ini", "language/mysetup.ini"); the executables' folder is the program folder
# ("Init/" templates, made by the command-line program from the defaults).

configure_file(${CMAKE_SOURCE_DIR}/data/Version.ini ${CMAKE_BINARY_DIR}/Version.ini COPYONLY)
# The settings file is the user's once it exists: never overwrite it.
if(NOT EXISTS ${CMAKE_BINARY_DIR}/language/mysetup.ini)
  file(COPY ${CMAKE_SOURCE_DIR}/data/language/mysetup.ini DESTINATION ${CMAKE_BINARY_DIR}/language)
endif()

# Templates: the built-in defaults with a fixed date, so every build makes the same bytes.
function(zb_add_templates cli_target)
  set(init_dir $<TARGET_FILE_DIR:${cli_target}>/Init)
  set(base ${CMAKE_BINARY_DIR}/template-base)
  set(stamp ${CMAKE_BINARY_DIR}/templates.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${init_dir} ${base}
    COMMAND $<TARGET_FILE:${cli_target}> new --defaults-only --date 2026-01-01 --base-folder ${base}
            ${init_dir}/ZB347_New.dat
    COMMAND $<TARGET_FILE:${cli_target}> new --defaults-only --date 2026-01-01 --base-folder ${base}
            ${init_dir}/ZB347.dat
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${cli_target}
    COMMENT "Making the Init templates"
    VERBATIM)
  add_custom_target(zb_templates ALL DEPENDS ${stamp})
endfunction()
