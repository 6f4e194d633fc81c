# The installed program: the executable, the shipped card sheets in the data folder that the program
# reads when installed, the help pages, and the desktop's launcher, file type and icons.
include(GNUInstallDirs)

install(TARGETS vellumax RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/CardDef.Def DESTINATION ${CMAKE_INSTALL_DATADIR}/vellumax)
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vellumax/help)
install(FILES data/desktop/vellumax.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/vellumax-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME vellumax.xml)
install(FILES resources/icons/vellumia.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME vellumax.svg)

# Every PNG size of the icon theme is rendered from the one SVG drawing at build time.
add_executable(vellumia_icon_render tools/IconRender.cpp)
target_link_libraries(vellumia_icon_render PRIVATE Qt6::Gui Qt6::Svg)
set(iconPngs)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/vellumax.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND vellumia_icon_render ${CMAKE_SOURCE_DIR}/resources/icons/vellumia.svg ${png} ${size}
    DEPENDS vellumia_icon_render ${CMAKE_SOURCE_DIR}/resources/icons/vellumia.svg
    VERBATIM)
  list(APPEND iconPngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(vellumia_icons ALL DEPENDS ${iconPngs})
