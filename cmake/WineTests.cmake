# Tests of cross-compiled programs run under Wine. One Wine session (an Xvfb display and a
# fresh Wine prefix in <build>/wine-session) is started before the first such test and
# stopped after the last, through the wine_session fixture. ctest starts every program of
# an add_test(COMMAND <target>) through CMAKE_CROSSCOMPILING_EMULATOR, which is
# scripts/wine-run.sh with that session.
#
#   velorin_add_wine_test(<name> COMMAND <target> [args...])
#       adds a test that runs <target> (an executable target) under Wine.
#   velorin_require_wine_session(<test>...)
#       makes other tests (for example scripts that call wine-run.sh) wait for the session.

set(VELORIN_WINE_SESSION_DIR "${CMAKE_BINARY_DIR}/wine-session")

if(NOT TEST wine_session_start)
    add_test(NAME wine_session_start
        COMMAND "${PROJECT_SOURCE_DIR}/scripts/wine-session.sh" start "${VELORIN_WINE_SESSION_DIR}")
    add_test(NAME wine_session_stop
        COMMAND "${PROJECT_SOURCE_DIR}/scripts/wine-session.sh" stop "${VELORIN_WINE_SESSION_DIR}")
    set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 300)
    set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session TIMEOUT 120)
endif()

function(velorin_require_wine_session)
    set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine_session)
endfunction()

function(velorin_add_wine_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMMAND")
    add_test(NAME ${name} COMMAND ${arg_COMMAND})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session TIMEOUT 600)
endfunction()
