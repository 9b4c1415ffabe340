# Registers a GoogleTest binary with CTest one test suite at a time: every
# suite runs in one process, so a suite of many small cases pays the start-up
# of Qt and the sanitizers once instead of once per case. The suites are
# listed when ctest runs, so the list follows the binary without
# reconfiguring. Binaries whose cases mostly wait (real-time sound) register
# each case on its own instead, so ctest runs them side by side.

set(_tonbrook_suites_script ${CMAKE_CURRENT_LIST_FILE})

function(tonbrook_add_test_suites target label environment)
    _tonbrook_add_tests(${target} ${label} "${environment}" OFF)
endfunction()

function(tonbrook_add_test_cases target label environment)
    _tonbrook_add_tests(${target} ${label} "${environment}" ON)
endfunction()

function(_tonbrook_add_tests target label environment per_case)
    set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites_include.cmake")
    file(GENERATE OUTPUT "${include_file}" CONTENT
"set(TONBROOK_SUITE_EXE \"$<TARGET_FILE:${target}>\")
set(TONBROOK_SUITE_TARGET \"${target}\")
set(TONBROOK_SUITE_LABEL \"${label}\")
set(TONBROOK_SUITE_ENV \"${environment}\")
set(TONBROOK_SUITE_PER_CASE ${per_case})
include(\"${_tonbrook_suites_script}\")
tonbrook_register_suites()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()

# Runs inside ctest: lists the suites of the binary and adds one test each
# (or one per case).
macro(tonbrook_register_suites)
    if(NOT EXISTS "${TONBROOK_SUITE_EXE}")
        add_test("${TONBROOK_SUITE_TARGET}_NOT_BUILT" "${TONBROOK_SUITE_TARGET}_NOT_BUILT")
    else()
        # ctest has no cmake -E here: set the environment for the listing.
        foreach(_pair IN LISTS TONBROOK_SUITE_ENV)
            string(REGEX REPLACE "=.*" "" _var "${_pair}")
            string(REGEX REPLACE "^[^=]*=" "" _value "${_pair}")
            set(ENV{${_var}} "${_value}")
        endforeach()
        # Listing allocates nothing of ours: skip the leak check, for this
        # process only (ctest hands its environment on to the tests).
        set(_asan_options "$ENV{ASAN_OPTIONS}")
        set(ENV{ASAN_OPTIONS} "${_asan_options}:detect_leaks=0")
        execute_process(
            COMMAND "${TONBROOK_SUITE_EXE}" --gtest_list_tests
            OUTPUT_VARIABLE _listing
            RESULT_VARIABLE _result
            TIMEOUT 60)
        set(ENV{ASAN_OPTIONS} "${_asan_options}")
        if(NOT _result EQUAL 0)
            message(FATAL_ERROR "${TONBROOK_SUITE_EXE} --gtest_list_tests failed: ${_result}")
        endif()
        string(REPLACE "\n" ";" _lines "${_listing}")
        foreach(_line IN LISTS _lines)
            # Suite lines start in column 0 and end with '.', before any comment.
            if(_line MATCHES "^([^ #][^ ]*)\\.( *#.*)?$")
                set(_suite "${CMAKE_MATCH_1}")
                if(NOT TONBROOK_SUITE_PER_CASE)
                    _tonbrook_add_one("${_suite}" "${_suite}.*")
                endif()
            elseif(TONBROOK_SUITE_PER_CASE AND _line MATCHES "^  ([^ #]+)( *#.*)?$")
                _tonbrook_add_one("${_suite}.${CMAKE_MATCH_1}" "${_suite}.${CMAKE_MATCH_1}")
            endif()
        endforeach()
    endif()
endmacro()

macro(_tonbrook_add_one name filter)
    add_test("${TONBROOK_SUITE_LABEL}:${name}" "${TONBROOK_SUITE_EXE}" "--gtest_filter=${filter}")
    set_tests_properties("${TONBROOK_SUITE_LABEL}:${name}" PROPERTIES
        LABELS "${TONBROOK_SUITE_LABEL}"
        ENVIRONMENT "${TONBROOK_SUITE_ENV}")
endmacro()
