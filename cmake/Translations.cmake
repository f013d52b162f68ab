# The Chinese edition's texts: lupdate collects every tr() text of the
# program into resources/zh/programmer_zh.ts (target update_translations),
# and the build compiles it into programmer-zh as :/i18n/programmer_zh.qm.
get_target_property(PROGRAMMER_GUI_SOURCES programmer_gui SOURCES)
get_target_property(PROGRAMMER_CORE_SOURCES programmer_core SOURCES)
set(PROGRAMMER_TS_FILES ${CMAKE_SOURCE_DIR}/resources/zh/programmer_zh.ts)
qt_add_translations(programmer-zh
    TS_FILES ${PROGRAMMER_TS_FILES}
    SOURCES ${PROGRAMMER_GUI_SOURCES} ${PROGRAMMER_CORE_SOURCES}
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS -no-obsolete -locations none)
