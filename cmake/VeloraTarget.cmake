# Warnings, -Werror and sanitizers go on the project's own targets only, never globally.
function(velora_target_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wformat=2)
  # Optimised builds are the ones handed out: fortified libc calls, a stack protector, a
  # position-independent program, relocations resolved at start and then made read-only.
  set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
  target_compile_definitions(${target} PRIVATE $<${optimised}:_FORTIFY_SOURCE=2>)
  target_compile_options(${target} PRIVATE "$<${optimised}:-fstack-protector-strong;-fPIC>")
  target_link_options(${target} PRIVATE "$<${optimised}:LINKER:-z,relro,-z,now>")
  # A loadable module is no program: -pie would link it as one.
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE "$<${optimised}:-pie>")
  endif()
  if(VELORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VELORA_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# One module's library from every source file in its folder and the folders below it, but those
# matching an EXCLUDE pattern, with any further SOURCES. Headers are listed too, so that AUTOMOC
# sees a new QObject header without a fresh build folder; QT turns on Qt's code generators.
function(velora_module_library target folder)
  cmake_parse_arguments(ARG "QT" "" "EXCLUDE;SOURCES" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.hpp)
  foreach(pattern IN LISTS ARG_EXCLUDE)
    file(GLOB_RECURSE excluded ${folder}/${pattern})
    list(REMOVE_ITEM sources ${excluded})
  endforeach()
  add_library(${target} STATIC ${sources} ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
  velora_target_options(${target})
endfunction()

# One GoogleTest executable per module; each test case becomes a CTest test.
function(velora_module_test target folder)
  cmake_parse_arguments(ARG "" "" "LIBS;ENVIRONMENT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  velora_target_options(${target})
  # Each test runs through env(1) with its variables: gtest_discover_tests splits a list given
  # as the ENVIRONMENT property, so only the first variable would reach the test.
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
    "/usr/bin/env;LANG=C.UTF-8;QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
endfunction()
