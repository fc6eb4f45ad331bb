# Run by CPack between the install into its staging folder and the packing: moves the program
# from usr/bin to usr/games, where Debian keeps the programs of the games section.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/bin/pellmora"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/pellmora")
if(NOT programs)
  message(FATAL_ERROR "no usr/bin/pellmora under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program ${programs})
  get_filename_component(bin ${program} DIRECTORY)
  get_filename_component(usr ${bin} DIRECTORY)
  file(MAKE_DIRECTORY ${usr}/games)
  file(RENAME ${program} ${usr}/games/pellmora)
  file(GLOB left ${bin}/*)
  if(NOT left)
    file(REMOVE_RECURSE ${bin})
  endif()
endforeach()
