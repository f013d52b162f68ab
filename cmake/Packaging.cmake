# Packages made by CPack from the install rules. Windows: an NSIS installer
# whose staging tree gets the Qt libraries from windeployqt; the program
# folder (executables, Program.ini, Default.dat, help) stays one folder, as
# the program expects.
set(CPACK_PACKAGE_NAME programmer)
set(CPACK_PACKAGE_VENDOR "QM4410 programmer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programs the QM4410 mobile FM transceiver over a serial cable")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QM4410 Programmer")
set(CPACK_PACKAGE_EXECUTABLES programmer-en "QM4410 Programmer" programmer-zh "QM4410 Programmer (Chinese)")
set(CPACK_RESOURCE_FILE_README ${CMAKE_SOURCE_DIR}/README.md)

if(WIN32)
    set(CPACK_GENERATOR NSIS)
    set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/resources/icons/app/programmer.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/resources/icons/app/programmer.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME bin/programmer-en.exe)
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    if(PROGRAMMER_GUI)
        # Qt's libraries, plugins and translations beside the installed programs.
        find_program(PROGRAMMER_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
        if(PROGRAMMER_WINDEPLOYQT)
            install(CODE "execute_process(COMMAND \"${PROGRAMMER_WINDEPLOYQT}\" --release --compiler-runtime
                          \"\${CMAKE_INSTALL_PREFIX}/bin/programmer-en.exe\"
                          \"\${CMAKE_INSTALL_PREFIX}/bin/programmer-zh.exe\" COMMAND_ERROR_IS_FATAL ANY)")
        else()
            message(WARNING "windeployqt not found: the installer would lack Qt's libraries")
        endif()
    endif()
elseif(UNIX AND NOT APPLE)
    # A Debian package installing into /usr: the programs in bin/, their files
    # in share/programmer/, the desktop files; dependencies from the binaries.
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "QM4410 programmer developers <programmer@vrx.invalid>")
    set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Loaded at run time, so no library dependency names them: the windowing
    # plugins, and for the Chinese edition its fonts and Qt's own texts.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
    # The synopsis is the package summary; these lines follow it.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Reads the radio's whole configuration memory, edits it (channels, VFO, scan
edges, settings, DTMF, two-tone and five-tone signalling, alarm, model data
and band plan), keeps it as a .dat parameter file and writes it back.
English and Simplified Chinese editions, and a command-line tool.")
    install(FILES ${CMAKE_SOURCE_DIR}/resources/linux/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
    # Debian keeps a package's changelog compressed, with a fixed time stamp.
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
        COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/resources/linux/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/resources/linux/changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/programmer-cli.1.gz
        COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/resources/linux/programmer-cli.1 > ${CMAKE_BINARY_DIR}/programmer-cli.1.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/resources/linux/programmer-cli.1)
    add_custom_target(package_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_BINARY_DIR}/programmer-cli.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/programmer-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    set(CPACK_GENERATOR TGZ)
endif()
include(CPack)
