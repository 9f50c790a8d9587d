# The files the program finds below its own folder (GetProgramDirectory):
#   Script/ZM4L/InitialData.z4l             the initial data file
#   Manual/ZM-47LibrarianManualE.pdf        the English manual
#   Manual/ZM-47LibrarianManualJ.pdf        the Japanese manual
# manual/CMakeLists.txt builds them into ZM47_PROGRAM_FILES_DIR (target
# zm47_program_files).
set(ZM47_PROGRAM_FILES_DIR ${PROJECT_BINARY_DIR}/program-files)

# Where `cmake --install` puts the program and its files: one folder, so the
# program finds them beside itself; bin/ holds a link to the program.
include(GNUInstallDirs)
set(ZM47_PROGRAM_INSTALL_DIR lib/zm47-librarian)

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

# zm47_install_program(target): installs the executable target with the
# program files in ZM47_PROGRAM_INSTALL_DIR and links it from bin/.
function(zm47_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${ZM47_PROGRAM_INSTALL_DIR})
  install(DIRECTORY ${ZM47_PROGRAM_FILES_DIR}/ DESTINATION ${ZM47_PROGRAM_INSTALL_DIR})
  set(name $<TARGET_FILE_NAME:${target}>)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(RELATIVE_PATH target \"\${bin}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZM47_PROGRAM_INSTALL_DIR}/${name}\")
    file(CREATE_LINK \"\${target}\" \"\${bin}/${name}\" SYMBOLIC)
    message(STATUS \"Linking: \${bin}/${name}\")")
endfunction()
