# The application icon has one source, packaging/icons/lajes.svg. Its PNG sizes are rendered
# at build time with rsvg-convert (Debian: librsvg2-bin); the desktop program carries them as a
# Qt resource for its title bars, and the install puts them in the hicolor icon theme.

set(LAJES_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/icons/lajes.svg)
set(LAJES_ICON_SIZES 16 22 24 32 48 64 128 256)

# Renders the PNGs into the calling directory's build folder, compiles them into `target` as
# the resource ":/icons/lajes-<size>.png" (initialised with Q_INIT_RESOURCE(lajes_icons)),
# and installs the theme icons.
function(lajes_add_icon_resources target)
    find_program(RSVG_CONVERT rsvg-convert)
    if(NOT RSVG_CONVERT)
        message(FATAL_ERROR "rsvg-convert not found: install the Debian package librsvg2-bin "
                            "(bash scripts/install-deps.sh does)")
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/icons)
    set(qrc ${dir}/lajes_icons.qrc)
    set(entries "")
    set(pngs "")
    foreach(size IN LISTS LAJES_ICON_SIZES)
        set(png ${dir}/hicolor/${size}x${size}/apps/lajes.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/hicolor/${size}x${size}/apps
            COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --format=png
                    --output=${png} ${LAJES_ICON_SVG}
            DEPENDS ${LAJES_ICON_SVG}
            COMMENT "Rendering the ${size}x${size} application icon"
            VERBATIM)
        list(APPEND pngs ${png})
        string(APPEND entries "    <file alias=\"lajes-${size}.png\">${png}</file>\n")
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${LAJES_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    file(CONFIGURE OUTPUT ${qrc}
        CONTENT "<RCC>\n  <qresource prefix=\"/icons\">\n${entries}  </qresource>\n</RCC>\n")
    qt_add_resources(sources ${qrc})
    set_source_files_properties(${sources} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${sources})
endfunction()
