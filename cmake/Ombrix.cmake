# Compiler settings shared by every target of both builds.

set(OMBRIX_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)

if(OMBRIX_WINDOWS)
  # ANSI "A" interface, Shift-JIS literals, and executables that need no
  # mingw DLLs on a bare Windows.
  add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600
                          NOMINMAX WIN32_LEAN_AND_MEAN STRICT)
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932)
  # GCC's identical-code folding merges a thiscall member function with a
  # cdecl function of the same body (a virtual override with the handler of
  # a lambda that does the same): the member then reads its argument from the
  # wrong stack slot. Seen with i686 mingw GCC 12 at -O2.
  add_compile_options(-fno-ipa-icf)
  add_link_options(-static -static-libgcc -static-libstdc++)
elseif(OMBRIX_FUZZ)
  # clang knows no CP932 execution character set; the fuzzers do not look at
  # the bytes of Japanese literals.
  add_compile_options(-g -O1 -fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
else()
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932
                      -g -O1 -fno-omit-frame-pointer
                      -fsanitize=address,undefined -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Windows paths for the programs and tests that run under Wine: Wine maps
# the Unix root to drive Z:.
function(ombrix_wine_path out unix_path)
  string(REPLACE "/" "\\" win "${unix_path}")
  set(${out} "Z:${win}" PARENT_SCOPE)
endfunction()

# One ctest test per test executable: each Wine process start costs about
# half a second.
function(ombrix_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  target_compile_options(${name} PRIVATE ${OMBRIX_WARNINGS})
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
endfunction()

# A module library made of the .cpp files of one folder. Files ending in
# "_win32.cpp" call Win32 and are left out of the host builds; files ending
# in "_host.cpp" are their portable counterparts, left out of the Windows
# build. SUBDIRS names subfolders to include as well; with ONLY_SUBDIRS the
# folder's own files are left to another library.
function(ombrix_module name)
  cmake_parse_arguments(M "ONLY_SUBDIRS" "" "SUBDIRS;LIBS" ${ARGN})
  set(patterns)
  if(NOT M_ONLY_SUBDIRS)
    set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  foreach(sub ${M_SUBDIRS})
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  if(OMBRIX_WINDOWS)
    list(FILTER sources EXCLUDE REGEX "_host\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(${name} PRIVATE ${OMBRIX_WARNINGS})
    target_link_libraries(${name} PUBLIC ${M_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${M_LIBS})
  endif()
endfunction()

# Programs, test executables and the test helper programs all land in one
# folder, so that a test finds what it starts beside itself.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# The 448-byte header block that the menu-file writers copy into every file
# (RCDATA 178 of the setup assistant, 136 of the editor), made at build time
# from resources/menu_header.txt. Creates the target menu_header_block and
# sets OMBRIX_MENU_HEADER_BLOCK (the binary file) in the caller's scope.
function(ombrix_menu_header_block)
  set(input ${CMAKE_SOURCE_DIR}/resources/menu_header.txt)
  set(output ${CMAKE_BINARY_DIR}/generated/menu_header.bin)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
                     COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output}
                             -P ${CMAKE_SOURCE_DIR}/cmake/menu_header_block.cmake
                     DEPENDS ${input} ${CMAKE_SOURCE_DIR}/cmake/menu_header_block.cmake
                     COMMENT "Menu-file header block (448 bytes, Shift-JIS)")
  add_custom_target(menu_header_block DEPENDS ${output})
  set(OMBRIX_MENU_HEADER_BLOCK ${output} PARENT_SCOPE)
endfunction()
