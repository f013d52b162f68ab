# The Chinese edition's texts: lupdate collects every tr() text of the
# program into resources/zh/programmer_zh.ts (target update_translations),
# and the build compiles it into programmer-zh, and into programmer-cli for
# its Chinese printouts, as :/i18n/programmer_zh.qm.
get_target_property(PROGRAMMER_GUI_SOURCES programmer_gui SOURCES)
get_target_property(PROGRAMMER_CORE_SOURCES programmer_core SOURCES)
set(PROGRAMMER_TS_FILES ${CMAKE_SOURCE_DIR}/resources/zh/programmer_zh.ts)
qt_add_translations(programmer-zh
    TS_FILES ${PROGRAMMER_TS_FILES}
    SOURCES ${PROGRAMMER_GUI_SOURCES} ${PROGRAMMER_CORE_SOURCES}
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}
    QM_FILES_OUTPUT_VARIABLE PROGRAMMER_QM_FILES
    LUPDATE_OPTIONS -no-obsolete -locations none)
foreach(target programmer-zh programmer-cli)
    qt_add_resources(${target} "${target}_translations"
        PREFIX /i18n
        BASE ${CMAKE_CURRENT_BINARY_DIR}
        FILES ${PROGRAMMER_QM_FILES})
endforeach()
add_dependencies(programmer-cli programmer-zh_lrelease)
