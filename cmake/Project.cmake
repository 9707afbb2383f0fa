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

# qt_test(name LIBS lib... SOURCES src...): one GoogleTest program registered
# with ctest; it runs under Wine through the cross-compiling emulator.
function(qt_test name)
    cmake_parse_arguments(T "" "" "LIBS;SOURCES" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(${name} PRIVATE ${QT_WARNINGS})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
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
