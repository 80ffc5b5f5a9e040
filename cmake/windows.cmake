# Cross build: tonvero.exe, the Windows-side tests and the e2e driver.
enable_language(RC)
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(tonvero_win32 STATIC ${WIN32_SOURCES})
target_include_directories(tonvero_win32 PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(tonvero_win32 PUBLIC tonvero_core winmm comctl32 comdlg32 gdi32 user32 winspool)

add_executable(tonvero WIN32 src/win32/app/main.cpp src/win32/app/tonvero.rc)
target_link_libraries(tonvero PRIVATE tonvero_win32)

add_executable(driver tests/e2e/driver/driver.cpp)
target_include_directories(driver PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(driver PRIVATE user32 gdi32)

file(GLOB E2E_HELPERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/helpers/*.cpp)
foreach(helper ${E2E_HELPERS})
  get_filename_component(name ${helper} NAME_WE)
  add_executable(${name} ${helper})
  target_link_libraries(${name} PRIVATE tonvero_win32)
endforeach()

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB_RECURSE WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(win32_tests ${WIN32_TESTS})
target_link_libraries(win32_tests PRIVATE tonvero_win32 gtest_main)
enable_testing()
# Some tests need a real serial port pair and a display; the wrapper makes them.
add_test(NAME win32_tests
  COMMAND ${CMAKE_SOURCE_DIR}/tests/win32/environment ${CMAKE_CROSSCOMPILING_EMULATOR}
          $<TARGET_FILE:win32_tests>)
