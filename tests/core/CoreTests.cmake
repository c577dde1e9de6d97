# The core tests (runtime, logic, design): their sources, for every build.
set(trivelan_core_test_sources RuntimeTest.cpp SequenceFormTest.cpp BalanceRuleTest.cpp
    DesignTest.cpp PresentationTest.cpp PresenterTest.cpp StartRowTest.cpp)
list(TRANSFORM trivelan_core_test_sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/)

# The core tests in a cross build, whose tests CTest runs through the
# toolchain's emulator (Wine, node). GoogleTest is built from the sources
# Debian's libgtest-dev ships. NAME is the CTest name.
macro(trivelan_add_core_tests name)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_executable(trivelan_core_tests ${trivelan_core_test_sources})
    target_link_libraries(trivelan_core_tests PRIVATE trivelan_logic trivelan_design gtest_main
        trivelan_warnings)
    add_test(NAME ${name} COMMAND trivelan_core_tests)
endmacro()
