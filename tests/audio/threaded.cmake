# Included by tests/CMakeLists.txt before the ThreadSanitizer build stops.
target_sources(tests_threaded PRIVATE ${CMAKE_CURRENT_LIST_DIR}/AudioPlayerThreadedTest.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/JamPlayerThreadedTest.cpp)
target_link_libraries(tests_threaded PRIVATE audio)
