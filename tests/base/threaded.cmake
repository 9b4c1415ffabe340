# Included by tests/CMakeLists.txt before the ThreadSanitizer build stops.
target_sources(tests_threaded PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PrimitivesThreadedTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkerPoolThreadedTest.cpp
)
target_link_libraries(tests_threaded PRIVATE base)
