# Helpers shared by every folder's CMakeLists.txt.

# The Win32 libraries the class-library layer stands on.
set(LEXIFERN_WIN32_LIBS
  user32 gdi32 comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid oledlg
  advapi32 wininet ws2_32 version winmm msimg32 imm32 winspool)

# lexifern_library(<target> [DEPENDS <libs>...]): a static library of every
# .cpp below the current folder.
function(lexifern_library name)
  cmake_parse_arguments(L "" "" "DEPENDS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex ${L_EXCLUDE})
    list(FILTER srcs EXCLUDE REGEX "${ex}")
  endforeach()
  if(NOT srcs)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${L_DEPENDS})
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_DEPENDS})
endfunction()

# Environment of every test process: the build tree's own Wine prefix, code page 1251.
set(LEXIFERN_TEST_ENV
  "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
  "WINEDEBUG=-all"
  "LC_ALL=ru_RU.UTF-8"
  "http_proxy=" "https_proxy=" "no_proxy=127.0.0.1,localhost")

# lexifern_test(<target> SOURCES ... [LIBS ...] [LOCKS ...]): a GoogleTest program
# run under Wine by CTest. LOCKS names shared resources (clipboard, registry keys)
# whose tests must not run at the same time.
function(lexifern_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LOCKS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest lexifern_test_main)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${LEXIFERN_TEST_ENV}" TIMEOUT ${T_TIMEOUT})
  # Every test program shares Wine's one virtual desktop, and window tests
  # depend on which window has the focus: they take turns with the desktop.
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "desktop;${T_LOCKS}")
endfunction()

# lexifern_test_folders(<prefix> LIBS ... [EXTRA ...]): one test program per
# subfolder of the current folder: <name>/*.cpp and *.rc -> <prefix>_<name>.
# A folder whose tests touch a shared resource names it in locks_<name>; one
# whose tests need a particular display names CTest labels in labels_<name>.
function(lexifern_test_folders prefix)
  cmake_parse_arguments(F "" "" "LIBS;EXTRA" ${ARGN})
  file(GLOB dirs LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${dirs})
    if(IS_DIRECTORY ${dir})
      get_filename_component(name ${dir} NAME)
      file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.rc)
      # A "support" folder holds code shared by the programs, not a program;
      # a "host" folder holds a program that the tests start, built by its own CMakeLists.txt.
      if(srcs AND NOT name STREQUAL "support" AND NOT name STREQUAL "host")
        lexifern_test(${prefix}_${name} SOURCES ${srcs} ${F_EXTRA} LIBS ${F_LIBS} LOCKS ${locks_${name}})
        if(labels_${name})
          set_tests_properties(${prefix}_${name} PROPERTIES LABELS "${labels_${name}}")
        endif()
      endif()
    endif()
  endforeach()
endfunction()
