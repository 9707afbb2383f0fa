# qt_test_on_desktop(<test> [COMPORTS <COM_A> <COM_B> [<COM_C> <COM_D>]]
# [ALLOW_SKIPS pattern...]): registers a second
# run of the test program <test> as <test>_on_desktop, on a private screen
# with a window manager and in a Wine prefix of its own whose windows the
# window manager keeps (on-desktop.sh), as a user's desktop runs the
# program. It runs beside the tests on the shared test display. COMPORTS
# gives it a COM pair in its own prefix (the numbers may be those of the
# first run). The time limit is the first run's; the skips it allows are its
# own (the first run's are not taken over).
set(QT_ON_DESKTOP_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/on-desktop.sh)

function(qt_test_on_desktop test)
    cmake_parse_arguments(D "" "" "COMPORTS;ALLOW_SKIPS" ${ARGN})
    set(name ${test}_on_desktop)
    set(comports)
    if(D_COMPORTS)
        set(comports --comports ${CMAKE_BINARY_DIR}/comports/${name} ${D_COMPORTS})
    endif()
    get_test_property(${test} TIMEOUT timeout)
    qt_gtest_entry(${name} TIMEOUT ${timeout} ALLOW_SKIPS ${D_ALLOW_SKIPS}
        COMMAND bash ${QT_ON_DESKTOP_SCRIPT} ${CMAKE_BINARY_DIR}/desktop-prefixes/${test} ${comports}
                -- $<TARGET_FILE:${test}>)
endfunction()
