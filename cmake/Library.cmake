# zm47_library(name LIBS ...): a static library of every .cpp in the calling
# folder (not its subfolders), linked with LIBS.
function(zm47_library name)
  cmake_parse_arguments(L "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${L_LIBS})
  endif()
endfunction()

# zm47_glob_test(name LIBS ...): one test executable of every .cpp in the
# calling test folder.
function(zm47_glob_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    zm47_add_test(${name} SOURCES ${sources} LIBS ${T_LIBS} zm47_testsupport)
  endif()
endfunction()
