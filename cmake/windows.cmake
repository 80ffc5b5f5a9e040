# Cross build: tonvero.exe, the Windows-side tests and the e2e driver.
enable_language(RC)
# No link time in the PE header: the same sources give the same program bytes.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)
# Hardening, stated rather than left to the linker's defaults: address
# randomisation with the relocations it needs (older i686 ld dropped them from
# programs), no execution of data, on 64-bit randomisation across the whole
# address space, and the compiler's stack protector (its guard and failure
# handler are the program's own, src/win32/app/stack_protector.cpp).
add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong -Wl,--dynamicbase -Wl,--enable-reloc-section -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
endif()

# Every DLL the program imports but kernel32 and the C runtime is delay-loaded:
# loaded at its first call, after WinMain has limited the DLL search to the
# system folder. Windows looks in the program's folder first for a DLL that
# is not a known DLL (winmm, comctl32, winspool.drv), and under Wine, which
# knows none, user32 itself brings version.dll along and comdlg32 brings
# comctl32 and winspool.drv. A delay-load library names every function of the
# toolchain's import library (i686 names carry their stdcall "@n", which
# --kill-at drops from the name looked up).
set(DELAY_LOAD_DIR ${CMAKE_BINARY_DIR}/delay-load)
set(DELAY_LOADED_LIBRARIES)
function(delay_load library dll)
  find_library(${library}_IMPORT_LIBRARY ${library} REQUIRED)
  set(import_library ${${library}_IMPORT_LIBRARY})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${import_library})
  execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${import_library}
    OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL " T [^\n]+" functions "${symbols}")
  set(prefix "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(prefix "_")
  endif()
  list(TRANSFORM functions REPLACE "^ T ${prefix}" "")
  list(REMOVE_DUPLICATES functions)
  list(JOIN functions "\n" exports)
  file(GENERATE OUTPUT ${DELAY_LOAD_DIR}/${library}.def CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
  # Named relative to its folder: dlltool names the library's symbols after
  # the path it is given, and the program's bytes must not hold the checkout's.
  set(output lib${library}_delayed.a)
  add_custom_command(OUTPUT ${DELAY_LOAD_DIR}/${output} DEPENDS ${DELAY_LOAD_DIR}/${library}.def
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${library}.def --dllname ${dll} --output-delaylib ${output}
    WORKING_DIRECTORY ${DELAY_LOAD_DIR})
  set(DELAY_LOADED_LIBRARIES ${DELAY_LOADED_LIBRARIES} ${DELAY_LOAD_DIR}/${output} PARENT_SCOPE)
endfunction()
delay_load(winmm WINMM.dll)
delay_load(comctl32 COMCTL32.dll)
delay_load(comdlg32 COMDLG32.dll)
delay_load(winspool WINSPOOL.DRV)
delay_load(gdi32 GDI32.dll)
delay_load(user32 USER32.dll)
delay_load(advapi32 ADVAPI32.dll)
# Screen readers: loaded when one first asks a window for its object.
delay_load(oleacc OLEACC.dll)
delay_load(ole32 OLE32.dll)
delay_load(oleaut32 OLEAUT32.dll)
add_custom_target(delay_loaded_libraries DEPENDS ${DELAY_LOADED_LIBRARIES})
# i686 ld drops a delay-load thunk that no code calls by name, and code that
# calls through a __declspec(dllimport) declaration reads the import slot
# directly, which then holds 0. Declared without dllimport, the system
# functions are called through their thunks.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_compile_definitions(DECLSPEC_IMPORT=)
endif()

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(tonvero_win32 STATIC ${WIN32_SOURCES})
target_include_directories(tonvero_win32 PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(tonvero_win32 PUBLIC tonvero_core ${DELAY_LOADED_LIBRARIES})
add_dependencies(tonvero_win32 delay_loaded_libraries)

add_executable(tonvero WIN32 src/win32/app/main.cpp src/win32/app/tonvero.rc)
set_source_files_properties(src/win32/app/tonvero.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/win32/app/tonvero.manifest;${CMAKE_SOURCE_DIR}/src/core/app/version.h")
target_link_libraries(tonvero PRIVATE tonvero_win32)

add_executable(driver tests/e2e/driver/driver.cpp)
target_include_directories(driver PRIVATE ${CMAKE_SOURCE_DIR}/src)
# The accessibility DLLs load only for the commands that read through them:
# loaded at start, they made every run of the driver slower.
target_link_libraries(driver PRIVATE user32 gdi32 ${DELAY_LOAD_DIR}/liboleacc_delayed.a
                      ${DELAY_LOAD_DIR}/libole32_delayed.a ${DELAY_LOAD_DIR}/liboleaut32_delayed.a)
add_dependencies(driver delay_loaded_libraries)

# The DLL the DLL-search test plants beside the program under system names.
add_library(planted SHARED tests/e2e/planted/planted_dll.cpp)
set_target_properties(planted PROPERTIES PREFIX "")

file(GLOB E2E_HELPERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/helpers/*.cpp)
foreach(helper ${E2E_HELPERS})
  get_filename_component(name ${helper} NAME_WE)
  add_executable(${name} ${helper})
  target_link_libraries(${name} PRIVATE tonvero_win32)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tools)
endforeach()

# The Windows-side benchmark programs (scripts/bench_*).
add_executable(bench_add_contacts tools/bench_add_contacts.cpp)
target_link_libraries(bench_add_contacts PRIVATE tonvero_win32)
target_include_directories(bench_add_contacts PRIVATE ${CMAKE_SOURCE_DIR}/tools)

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB_RECURSE WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(win32_tests ${WIN32_TESTS})
target_link_libraries(win32_tests PRIVATE tonvero_win32 gtest_main version)
# The tests read tonvero.exe's resources back, so it must be current.
add_dependencies(win32_tests tonvero)
enable_testing()
# Some tests need a real serial port pair and a display; the wrapper makes them.
add_test(NAME win32_tests
  COMMAND ${CMAKE_SOURCE_DIR}/tests/win32/environment ${CMAKE_CROSSCOMPILING_EMULATOR}
          $<TARGET_FILE:win32_tests>)
