# solvane_man_page(SOURCE)
# Builds a manual page from its scdoc source beside the code it describes
# (src/cli/solvane-board.1.scd) into share/man/manN/ of the build tree,
# compressed as Debian's policy wants, and installs it there.
find_program(SCDOC scdoc REQUIRED)
find_program(GZIP gzip REQUIRED)
add_custom_target(solvane_man_pages ALL)

function(solvane_man_page source)
  get_filename_component(page ${source} NAME_WLE)  # solvane-board.1
  string(REGEX MATCH "[0-9]$" section ${page})
  set(dir ${CMAKE_BINARY_DIR}/share/man/man${section})
  set(abs ${CMAKE_CURRENT_SOURCE_DIR}/${source})
  add_custom_command(OUTPUT ${dir}/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND sh -c "\"$1\" < \"$2\" > \"$3\"" scdoc ${SCDOC} ${abs} ${dir}/${page}
    # -n: no name or time stamp inside, so the package is reproducible.
    COMMAND ${GZIP} -9nf ${dir}/${page}
    DEPENDS ${abs}
    COMMENT "Writing the manual page ${page}"
    VERBATIM)
  add_custom_target(man_${page} DEPENDS ${dir}/${page}.gz)
  add_dependencies(solvane_man_pages man_${page})
  install(FILES ${dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
