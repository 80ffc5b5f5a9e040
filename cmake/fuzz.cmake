# Fuzz build (clang only): every tests/fuzz/<name>_fuzz.cpp becomes the
# libFuzzer program <name>_fuzz, linked with the core and nothing else. A
# tests/fuzz/<name>_seeds.cpp, when present, becomes a program that the build
# runs to write seed inputs into seeds/<name>/ of the build folder; small
# seed files can also be kept in tests/fuzz/seeds/<name>/.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TONVERO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

set(FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all)
target_compile_options(tonvero_core PRIVATE ${FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link
  -fno-omit-frame-pointer -g)

file(GLOB FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${FUZZ_TARGETS})
  get_filename_component(target ${source} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" name ${target})
  add_executable(${target} ${source})
  target_compile_options(${target} PRIVATE ${FUZZ_SANITIZERS} -fsanitize=fuzzer -fno-omit-frame-pointer -g)
  target_link_options(${target} PRIVATE ${FUZZ_SANITIZERS} -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE tonvero_core)

  set(seeder ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}_seeds.cpp)
  if(EXISTS ${seeder})
    add_executable(${name}_seeds ${seeder})
    target_compile_options(${name}_seeds PRIVATE ${FUZZ_SANITIZERS})
    target_link_options(${name}_seeds PRIVATE ${FUZZ_SANITIZERS})
    target_link_libraries(${name}_seeds PRIVATE tonvero_core)
    set(stamp ${CMAKE_BINARY_DIR}/seeds/${name}.stamp)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/seeds/${name}
      COMMAND ${name}_seeds ${CMAKE_BINARY_DIR}/seeds/${name}
      COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
      DEPENDS ${name}_seeds)
    add_custom_target(${name}_seed_files ALL DEPENDS ${stamp})
  endif()
endforeach()
