# Install rules for what the desktop needs beside the program and its data tree:
#   share/applications/skimsprinter.desktop           the menu entry
#   share/icons/hicolor/{scalable,NxN}/apps/           the icon, SVG and PNGs rendered here
#   share/metainfo/<id>.metainfo.xml                   what software centres show
#   share/man/man1/skimsprinter.1.gz                   the manual page
#   share/doc/skimsprinter/{copyright,changelog.gz}    what Debian asks of every package
# Their sources live in dist/.

set(SKIM_DIST_DIR "${CMAKE_SOURCE_DIR}/dist")
set(SKIM_DIST_BUILD_DIR "${CMAKE_BINARY_DIR}/dist")
set(SKIM_ICON_SVG "${CMAKE_SOURCE_DIR}/resources/art/APPLICATION.svg")
set(SKIM_ICON_SIZES 16 32 48 64 128 256)
set(SKIM_METAINFO org.skimsprinter.SkimSprinter.metainfo.xml)

# ---- PNG icons from our own SVG ----
set(icon_pngs "")
foreach(side IN LISTS SKIM_ICON_SIZES)
  list(APPEND icon_pngs "${SKIM_DIST_BUILD_DIR}/icons/${side}x${side}.png")
endforeach()
add_custom_command(
  OUTPUT ${icon_pngs}
  COMMAND ${skim_tool_env} $<TARGET_FILE:render_icon> "${SKIM_ICON_SVG}"
          "${SKIM_DIST_BUILD_DIR}/icons" ${SKIM_ICON_SIZES}
  DEPENDS render_icon "${SKIM_ICON_SVG}"
  COMMENT "Rendering the application icon"
  VERBATIM)

# ---- compressed manual page and changelog (gzip -n: no name or time stamp inside) ----
set(gz_outputs "")
foreach(name skimsprinter.1 changelog)
  set(copy "${SKIM_DIST_BUILD_DIR}/${name}")
  add_custom_command(
    OUTPUT "${copy}.gz"
    COMMAND ${CMAKE_COMMAND} -E copy "${SKIM_DIST_DIR}/${name}" "${copy}"
    COMMAND gzip -9nf "${copy}"
    DEPENDS "${SKIM_DIST_DIR}/${name}"
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND gz_outputs "${copy}.gz")
endforeach()

add_custom_target(desktop_files ALL DEPENDS ${icon_pngs} ${gz_outputs})

# ---- installation ----
set(share "${CMAKE_INSTALL_DATADIR}")
install(FILES "${SKIM_DIST_DIR}/skimsprinter.desktop" DESTINATION "${share}/applications")
install(FILES "${SKIM_ICON_SVG}" DESTINATION "${share}/icons/hicolor/scalable/apps"
        RENAME skimsprinter.svg)
foreach(side IN LISTS SKIM_ICON_SIZES)
  install(FILES "${SKIM_DIST_BUILD_DIR}/icons/${side}x${side}.png"
          DESTINATION "${share}/icons/hicolor/${side}x${side}/apps" RENAME skimsprinter.png)
endforeach()
install(FILES "${SKIM_DIST_DIR}/${SKIM_METAINFO}" DESTINATION "${share}/metainfo")
install(FILES "${SKIM_DIST_BUILD_DIR}/skimsprinter.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${SKIM_DIST_DIR}/copyright" "${SKIM_DIST_BUILD_DIR}/changelog.gz"
        DESTINATION "${share}/doc/skimsprinter")
