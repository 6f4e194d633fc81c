# The installed program: the executable, the shipped card sheets and card stock in the data folder that the program
# reads when installed, the help pages, and the desktop's launcher, file type and icons.
include(GNUInstallDirs)

install(TARGETS vellumax RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/CardDef.Def data/CardStock.csv DESTINATION ${CMAKE_INSTALL_DATADIR}/vellumax)
install(DIRECTORY data/samples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vellumax/samples)
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

# The software centres' description, the manual page, the shell's completion, and the copyright and
# change log every Debian package carries (compressed as Debian keeps them).
install(FILES packaging/io.github.vellumia.Vellumia.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/vellumax-completion.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vellumax)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vellumia)
find_program(GZIP gzip REQUIRED)
set(compressedDocs)
foreach(doc vellumax.1 changelog)
  set(compressed ${CMAKE_BINARY_DIR}/packaging/${doc}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${doc} ${CMAKE_BINARY_DIR}/packaging/${doc}
    COMMAND ${GZIP} -9nf ${CMAKE_BINARY_DIR}/packaging/${doc}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${doc}
    VERBATIM)
  list(APPEND compressedDocs ${compressed})
endforeach()
add_custom_target(vellumia_docs ALL DEPENDS ${compressedDocs})
install(FILES ${CMAKE_BINARY_DIR}/packaging/vellumax.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vellumia)

include(cmake/Package.cmake)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vellumia)
