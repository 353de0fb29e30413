# Install rules and the Debian package (`make package`): the program in
# /usr/bin, its desktop entry, AppStream metadata and its 16×16 and 32×32 icons
# under the hicolor theme, so that the desktop's menu and software centre list
# it; its manual page, and the copyright and changelog that Debian requires.
set(VELMORA_APP_ID org.velmora.velmora)
install(TARGETS velmora RUNTIME DESTINATION bin)
# A stripped install also drops the compilers' version notes, as Debian's own
# packaging tools do.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/velmora\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VELMORA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VELMORA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32)
    install(FILES ${PROJECT_SOURCE_DIR}/ui/icons/icon-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME velmora.png)
endforeach()

# The manual page and the changelog go in gzipped at the highest level, without
# the file name and time stamp, so that the same source gives the same package.
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(packaging_gz)
foreach(source velmora.1 changelog)
    add_custom_command(OUTPUT ${packaging_out}/${source}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${source} ${packaging_out}/${source}
        COMMAND gzip -9nf ${packaging_out}/${source}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source}
        VERBATIM)
    list(APPEND packaging_gz ${packaging_out}/${source}.gz)
endforeach()
add_custom_target(velmora_package_docs ALL DEPENDS ${packaging_gz})
install(FILES ${packaging_out}/velmora.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${packaging_out}/changelog.gz
    DESTINATION share/doc/velmora)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
    DESTINATION share/lintian/overrides RENAME velmora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plane multi-storey rigid frame analysis by Takabeya's method")
# Debian shows each line as it stands: kept under 80 columns, paragraphs apart.
set(CPACK_PACKAGE_DESCRIPTION "Velmora takes a plane, multi-storey, multi-bay rigid building frame of up
to 6 floors, 200 joints and 100 bays through one window: the stiffnesses
and moments of every joint and the loads and span of every bay.

It computes the rotation and storey moments, the corrected member-end
moments, and the end reactions and midspan moment of every bay, and writes
four plain-text reports into the folder velmora in the user's home, which
must exist.")
set(CPACK_PACKAGE_CONTACT "Velmora maintainers <maintainers@velmora.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt 6 libraries and everything else the program links, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icon theme that the menu looks in, and xdg-open, which opens the reports.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, xdg-utils")
include(CPack)

if(VELMORA_PACKAGE_TEST)
    add_test(NAME package.DebianLayout
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check-package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(package.DebianLayout PROPERTIES TIMEOUT 300)
endif()
