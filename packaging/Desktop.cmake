# The program on the desktop: its menu entry, the opener of archives (.aba) for file managers,
# the archives' MIME type, the icon and what software centres show. Part of the program's package.
install(FILES tolva-archiv.desktop tolva-archiv-anzeigen.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT programm)
install(FILES tolva-archiv.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT programm)
install(FILES tolva-archiv.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT programm)
install(FILES de.tolva.archiv.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT programm)
