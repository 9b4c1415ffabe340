# Warnings and sanitizers for every target of the project.

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wno-unused-parameter)
if(WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()

if(ENABLE_ASAN_UBSAN AND ENABLE_TSAN)
    message(FATAL_ERROR "ThreadSanitizer cannot be combined with AddressSanitizer")
endif()

if(ENABLE_ASAN_UBSAN)
    # vptr checks misfire on Qt's objects across shared-library boundaries.
    set(sanitizers -fsanitize=address,undefined -fno-sanitize=vptr
        -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_compile_options(${sanitizers})
    add_link_options(${sanitizers})
endif()

if(ENABLE_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()
