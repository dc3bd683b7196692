# The program's manual pages (German, tolva-archiv.1, and its English, tolva-archiv.en.1) and
# its bash completion, all installed with the program (component "programm"):
#   <mandir>/man1/tolva-archiv.1.gz                          the German page, the default as
#                                                            German is the program's default
#   <mandir>/en/man1/tolva-archiv.1.gz                       the English page, which man finds
#                                                            first for LANG=en_*
#   <datadir>/bash-completion/completions/tolva-archiv       loaded on demand by bash-completion
# Both pages carry the project's version and are packed with gzip -9n (reproducible).
# tests/install checks the installed pages and the completion against the program's --help.
set(TOLVA_MAN_PAGES)
foreach(page tolva-archiv tolva-archiv.en)
  set(man_page ${PROJECT_BINARY_DIR}/packaging/${page}.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${page}.1.in ${man_page} @ONLY)
  add_custom_command(OUTPUT ${man_page}.gz
    COMMAND gzip -9 -n -k -f ${man_page}
    DEPENDS ${man_page}
    COMMENT "Packing the manual page ${page}.1.gz"
    VERBATIM)
  list(APPEND TOLVA_MAN_PAGES ${man_page}.gz)
endforeach()
add_custom_target(tolva-archiv-man ALL DEPENDS ${TOLVA_MAN_PAGES})

install(FILES ${PROJECT_BINARY_DIR}/packaging/tolva-archiv.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programm)
install(FILES ${PROJECT_BINARY_DIR}/packaging/tolva-archiv.en.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/en/man1
  RENAME tolva-archiv.1.gz
  COMPONENT programm)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tolva-archiv.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME tolva-archiv
  COMPONENT programm)
