# Run at install time (install(SCRIPT)), when the prefix is known: the links
# that make lib/velinor a program folder with the data of share/velinor, the
# commands in bin, and the menu entry. Every link is relative, so a prefix
# can be moved as a whole and a package holds its links itself.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

function(velinor_link target link)
  get_filename_component(folder "${root}/${link}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(CREATE_LINK "${target}" "${root}/${link}" RESULT result SYMBOLIC)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Cannot link ${root}/${link} to ${target}: ${result}")
  endif()
  message(STATUS "Installing: ${root}/${link} -> ${target}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${root}/${link}")
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

foreach(folder Data Images Supplementen help)
  velinor_link("../../share/velinor/${folder}" "lib/velinor/${folder}")
endforeach()
foreach(program velinor velinor-cli)
  velinor_link("../lib/velinor/${program}" "bin/${program}")
endforeach()

# The system's menus find the command on the path; any other prefix's menu entry names it in full.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr" OR CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  set(VELINOR_EXEC velinor)
else()
  set(VELINOR_EXEC "\"${CMAKE_INSTALL_PREFIX}/bin/velinor\"")
endif()
configure_file("${CMAKE_CURRENT_LIST_DIR}/velinor.desktop.in" "${root}/share/applications/velinor.desktop" @ONLY)
message(STATUS "Installing: ${root}/share/applications/velinor.desktop")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${root}/share/applications/velinor.desktop")
