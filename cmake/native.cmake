# Native build: the core, its tests and the tools.
option(TONVERO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TONVERO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

add_executable(make_tones tools/make_tones.cpp)
target_link_libraries(make_tones PRIVATE tonvero_core)

# one.wav is data the program reads at start-up; the build writes it.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/one.wav
  COMMAND make_tones ${CMAKE_BINARY_DIR}/one.wav
  DEPENDS make_tones)
add_custom_target(tone_file ALL DEPENDS ${CMAKE_BINARY_DIR}/one.wav)

file(GLOB_RECURSE CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*.cpp)
add_executable(core_tests ${CORE_TESTS})
target_link_libraries(core_tests PRIVATE tonvero_core GTest::gtest_main Threads::Threads)
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/core)
enable_testing()
add_test(NAME core_tests COMMAND core_tests)

# The translation of "+" numbers compared with Google's libphonenumber, which
# the native build links from Debian's package (the Windows program carries
# generated tables instead).
find_library(PHONENUMBER_LIBRARY phonenumber)
if(PHONENUMBER_LIBRARY)
  add_executable(numbering_plan_reference_test tests/reference/numbering_plan_reference_test.cpp)
  target_link_libraries(numbering_plan_reference_test PRIVATE tonvero_core ${PHONENUMBER_LIBRARY} GTest::gtest_main)
  add_test(NAME numbering_plan_reference_test COMMAND numbering_plan_reference_test)
  add_executable(bench_numbering tools/bench_numbering.cpp)
  target_link_libraries(bench_numbering PRIVATE tonvero_core ${PHONENUMBER_LIBRARY})
endif()
add_test(NAME numbering_plan_current COMMAND ${CMAKE_SOURCE_DIR}/tools/make_numbering_plan --check)
