# Install rules and the Debian package (`make package`): the program in
# /usr/bin, its desktop entry and its 16×16 and 32×32 icons under the hicolor
# theme, so that the desktop's menu lists it.
install(TARGETS velmora RUNTIME DESTINATION bin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/velmora.desktop DESTINATION share/applications)
foreach(size 16 32)
    install(FILES ${PROJECT_SOURCE_DIR}/ui/icons/icon-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME velmora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Analysis of plane multi-storey rigid building frames by one cycle of Takabeya's method")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora takes a frame of up to 6 floors, 200 joints and 100 bays through one window: the
stiffnesses and moments of every joint and the loads of every bay. It computes the rotation
and storey moments, the corrected member-end moments and the end reactions and midspan moment
of every bay, and writes four plain-text reports into the folder velmora in the user's home.")
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
