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
else()
    set(CPACK_GENERATOR TGZ)
endif()
include(CPack)
