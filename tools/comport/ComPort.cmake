# qt_use_comports(<test> <COM_A> [<COM_B>]): gives the ctest test <test> a
# connected pair of COM ports for its run. Two fixture tests start the
# serial-port harness (comport.sh) before it and stop it afterwards; the test
# finds the ports in its environment (see tests/support/ComPortPair.h). The
# ports are linked into the tests' own prefix (QT_TEST_PREFIX), apart from
# those a user links into the program's.
# Each test program takes COM numbers of its own, so that programs can run
# in parallel; tools/comport/README.md lists the numbers in use.
set(QT_COMPORT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/comport.sh)

function(qt_use_comports test com_a)
    set(com_b "${ARGV2}")
    set(dir ${CMAKE_BINARY_DIR}/comports/${test})
    set(prefix_env WINEPREFIX=${QT_TEST_PREFIX})
    add_test(NAME ${test}_comports_start
             COMMAND bash ${QT_COMPORT_SCRIPT} start ${dir} ${com_a} ${com_b})
    add_test(NAME ${test}_comports_stop COMMAND bash ${QT_COMPORT_SCRIPT} stop ${dir})
    set_tests_properties(${test}_comports_start PROPERTIES
        FIXTURES_SETUP ${test}_comports ENVIRONMENT ${prefix_env})
    set_tests_properties(${test}_comports_stop PROPERTIES
        FIXTURES_CLEANUP ${test}_comports ENVIRONMENT ${prefix_env})
    set_tests_properties(${test} PROPERTIES
        FIXTURES_REQUIRED ${test}_comports
        ENVIRONMENT "QV_TEST_COM=${com_a};QV_TEST_PEER_COM=${com_b};QV_TEST_PEER_PTY=${dir}/unitB")
endfunction()

# qt_use_second_comports(<test> <COM_A> <COM_B>): a further pair for a test
# that already has one; the test finds it as QV_TEST_COM2 and
# QV_TEST_PEER_COM2.
function(qt_use_second_comports test com_a com_b)
    set(dir ${CMAKE_BINARY_DIR}/comports/${test}_2)
    set(prefix_env WINEPREFIX=${QT_TEST_PREFIX})
    add_test(NAME ${test}_comports2_start COMMAND bash ${QT_COMPORT_SCRIPT} start ${dir} ${com_a} ${com_b})
    add_test(NAME ${test}_comports2_stop COMMAND bash ${QT_COMPORT_SCRIPT} stop ${dir})
    set_tests_properties(${test}_comports2_start PROPERTIES
        FIXTURES_SETUP ${test}_comports2 ENVIRONMENT ${prefix_env})
    set_tests_properties(${test}_comports2_stop PROPERTIES
        FIXTURES_CLEANUP ${test}_comports2 ENVIRONMENT ${prefix_env})
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED ${test}_comports2)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "QV_TEST_COM2=${com_a}" "QV_TEST_PEER_COM2=${com_b}")
endfunction()
