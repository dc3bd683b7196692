# The program's manual page (German, tolva-archiv.1) and its bash completion, both installed
# with the program (component "programm"):
#   <mandir>/man1/tolva-archiv.1.gz                          the page with the project's version,
#                                                            packed with gzip -9n (reproducible)
#   <datadir>/bash-completion/completions/tolva-archiv       loaded on demand by bash-completion
# tests/install checks both against the program's --help texts; the man-page test reads the
# packed page from <build>/packaging/.
set(TOLVA_MAN_PAGE ${PROJECT_BINARY_DIR}/packaging/tolva-archiv.1)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tolva-archiv.1.in ${TOLVA_MAN_PAGE} @ONLY)
add_custom_command(OUTPUT ${TOLVA_MAN_PAGE}.gz
  COMMAND gzip -9 -n -k -f ${TOLVA_MAN_PAGE}
  DEPENDS ${TOLVA_MAN_PAGE}
  COMMENT "Packing the manual page tolva-archiv.1.gz"
  VERBATIM)
add_custom_target(tolva-archiv-man ALL DEPENDS ${TOLVA_MAN_PAGE}.gz)

install(FILES ${TOLVA_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programm)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tolva-archiv.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME tolva-archiv
  COMPONENT programm)
