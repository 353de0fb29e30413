# The Windows delivery (`make windows`): velmora.exe alone, statically linked,
# as an installer made by NSIS and as a portable zip.
#
# The installer puts the program in Program Files\Velmora, adds the Start-menu
# entry "Velmora Frame Analysis" and registers its uninstaller with the version
# and publisher in the list of installed programs. It also creates the report
# folder c:\velmora\, which the program itself never creates; the uninstaller
# leaves that folder, because it holds the user's reports.
install(TARGETS velmora RUNTIME DESTINATION .)

set(CPACK_GENERATOR NSIS64 ZIP)
set(CPACK_PACKAGE_NAME Velmora)
set(CPACK_PACKAGE_VENDOR "the Velmora authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plane multi-storey rigid frame analysis")
set(CPACK_PACKAGE_FILE_NAME velmora-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velmora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velmora)
set(CPACK_PACKAGE_EXECUTABLES velmora "Velmora Frame Analysis")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# A 64-bit installer: the program goes to the 64-bit Program Files and its
# uninstaller to the 64-bit view of the registry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Velmora Frame Analysis")
set(CPACK_NSIS_PACKAGE_NAME Velmora)
set(CPACK_NSIS_INSTALLED_ICON_NAME velmora.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/ui/velmora.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/ui/velmora.ico)
set(CPACK_NSIS_CONTACT "maintainers@velmora.invalid")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The folder is made before the program is copied: a failure stops the install.
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "ClearErrors
  CreateDirectory 'C:\\\\velmora'
  IfErrors 0 +2
    Abort 'The report folder C:\\\\velmora cannot be created.'")

set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
