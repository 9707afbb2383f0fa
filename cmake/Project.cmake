# Helpers shared by every library and test program of the tree.
#
# A library folder's CMakeLists.txt includes one source-list fragment per
# area (for example foundation/core.cmake); each fragment appends its files to
# <LIB>_SOURCES and the Win32 import libraries it needs to <LIB>_LIBS.

# qt_library(name SOURCES... [LIBS libs...]): one static library per subsystem.
function(qt_library name)
    cmake_parse_arguments(L "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${L_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE ${QT_WARNINGS})
    if(L_LIBS)
        target_link_libraries(${name} PUBLIC ${L_LIBS})
    endif()
endfunction()

# qt_gtest_entry(name [TIMEOUT seconds] [ALLOW_SKIPS pattern...] COMMAND
# command...): the ctest entry of a GoogleTest program, started by the command
# given. Every such entry is made here: it runs through run-gtest.sh, which
# passes it only when the program ran each test it announced to its verdict,
# none failed, none was skipped but those matching ALLOW_SKIPS (shell patterns
# over Suite.Test; the caller says why beside them), and it exited with 0.
# The runner stops the program 20 s before ctest's time limit, so that a hang
# is reported with the test it hung in.
set(QT_GTEST_RUNNER ${PROJECT_SOURCE_DIR}/tests/support/run-gtest.sh)

function(qt_gtest_entry name)
    cmake_parse_arguments(E "" "TIMEOUT" "ALLOW_SKIPS;COMMAND" ${ARGN})
    if(NOT E_TIMEOUT)
        set(E_TIMEOUT 600)
    endif()
    math(EXPR limit "${E_TIMEOUT} - 20")
    set(allow "")
    foreach(pattern ${E_ALLOW_SKIPS})
        list(APPEND allow --allow-skip ${pattern})
    endforeach()
    add_test(NAME ${name} COMMAND bash ${QT_GTEST_RUNNER} --time-limit ${limit} ${allow} ${E_COMMAND})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${E_TIMEOUT})
endfunction()

# qt_test(name [TIMEOUT seconds] [ALLOW_SKIPS pattern...] LIBS lib...
# SOURCES src...): one GoogleTest program registered with ctest (600 s unless
# TIMEOUT says otherwise); it runs under Wine through the tests' wrapper, in
# the tests' own prefix. Every test program has the same main
# (tests/support/TestMain.cpp) and ends at once on a stack overflow
# (tests/support/StackOverflowEnd.cpp).
function(qt_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "ALLOW_SKIPS;LIBS;SOURCES" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/StackOverflowEnd.cpp
        ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(${name} PRIVATE ${QT_WARNINGS})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest)
    qt_gtest_entry(${name} TIMEOUT ${T_TIMEOUT} ALLOW_SKIPS ${T_ALLOW_SKIPS}
        COMMAND ${QT_TEST_WINE_RUN} $<TARGET_FILE:${name}>)
endfunction()

# qt_tests_share_display(test...): these test programs show windows on the one
# test display, and each one's windows take the keyboard focus from another's:
# ctest never runs two of them at the same time. Call it in the folder that
# defines the tests.
function(qt_tests_share_display)
    foreach(test ${ARGN})
        if(TEST ${test})
            set_tests_properties(${test} PROPERTIES RESOURCE_LOCK test_display)
        endif()
    endforeach()
endfunction()
