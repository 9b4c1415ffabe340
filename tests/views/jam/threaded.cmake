# Included by tests/CMakeLists.txt before the ThreadSanitizer build stops.
target_sources(tests_threaded PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RiffSourceThreadedTest.cpp)
target_link_libraries(tests_threaded PRIVATE views_jam)
