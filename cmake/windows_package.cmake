# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --build build-windows --target package makes parvola-<version>-win64.zip and
# parvola-<version>-win64.exe, an NSIS installer, from what the install rules put in place.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION help FILES_MATCHING PATTERN "*.html"
    PATTERN "*.png")

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Parvola)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cut a large file into pieces that fit on small media")
set(CPACK_PACKAGE_FILE_NAME parvola-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Parvola)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The 64-bit stub: wine without its 32-bit half cannot run the default one, and Windows on ARM prefers it.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME Parvola)
set(CPACK_NSIS_PACKAGE_NAME "Parvola ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/windows/parvola.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/windows/parvola.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME parvola-split.exe)
set(CPACK_NSIS_URL_INFO_ABOUT https://www.orvane.example/parvola)
set(CPACK_NSIS_CONTACT parvola@orvane.example)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# Start-menu entries; CPack adds the uninstaller's.
set(CPACK_PACKAGE_EXECUTABLES parvola Parvola)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MENU_LINKS "help/index.html" "Parvola manual" "README.txt" "Parvola readme")
# "Open with" offers Parvola for any file; the window takes the file named on its command line. Values
# reach the installer's script as written here.
set(CPACK_VERBATIM_VARIABLES ON)
set(parvola_open_with "Software\\Classes\\Applications\\parvola.exe")
set(parvola_open_list "Software\\Classes\\*\\OpenWithList\\parvola.exe")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
    WriteRegStr SHCTX '${parvola_open_with}\\shell\\open\\command' '' '\"$INSTDIR\\parvola.exe\" \"%1\"'
    WriteRegStr SHCTX '${parvola_open_list}' '' ''")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
    DeleteRegKey SHCTX '${parvola_open_with}'
    DeleteRegKey SHCTX '${parvola_open_list}'")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

include(CPack)
