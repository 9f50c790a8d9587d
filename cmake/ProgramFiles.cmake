# The files the programs find at run time (FindProgramFilesDirectory):
#   Script/ZM4L/InitialData.z4l             the initial data file
#   Manual/ZM-47LibrarianManualE.pdf        the English manual
#   Manual/ZM-47LibrarianManualJ.pdf        the Japanese manual
# manual/CMakeLists.txt builds them into ZM47_PROGRAM_FILES_DIR (target
# zm47_program_files). In the build tree they are placed beside each program;
# installed, they are in <prefix>/share/zm47-librarian and the programs in
# <prefix>/bin.
set(ZM47_PROGRAM_FILES_DIR ${PROJECT_BINARY_DIR}/program-files)

include(GNUInstallDirs)
set(ZM47_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/zm47-librarian)
# The programs look for their files in ../share/zm47-librarian from their
# own folder, so both must keep that relation.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "The programs find their files in ../share/zm47-librarian from their own folder; "
                  "with bin=${CMAKE_INSTALL_BINDIR} and share=${CMAKE_INSTALL_DATADIR} the installed "
                  "programs will not find their manuals and initial data")
endif()

# zm47_place_program_files(target): builds the program files and copies them
# beside the executable target (its output folder) whenever target is built.
# Test executables that start the program's code can use it too.
function(zm47_place_program_files target)
  add_custom_target(${target}_program_files
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${ZM47_PROGRAM_FILES_DIR} $<TARGET_FILE_DIR:${target}>
    COMMENT "Placing the program files beside ${target}" VERBATIM)
  add_dependencies(${target}_program_files zm47_program_files)
  add_dependencies(${target} ${target}_program_files)
endfunction()

# zm47_install_program(target): installs the executable target in bin/ and
# the program files (once, whichever program asks first) in
# ZM47_DATA_INSTALL_DIR.
function(zm47_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  get_property(done GLOBAL PROPERTY ZM47_PROGRAM_FILES_INSTALLED)
  if(NOT done)
    install(DIRECTORY ${ZM47_PROGRAM_FILES_DIR}/ DESTINATION ${ZM47_DATA_INSTALL_DIR})
    set_property(GLOBAL PROPERTY ZM47_PROGRAM_FILES_INSTALLED TRUE)
  endif()
endfunction()
