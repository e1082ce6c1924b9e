# Runs at install time; belltide_install_packed_executable() sets the
# belltide_* variables. The container goes on last, after any strip, because
# strip keeps only what the ELF headers describe.
get_filename_component(name "${belltide_unpacked}" NAME)
set(program "${belltide_work_folder}/${name}")
set(stripped "${belltide_work_folder}/${name}.stripped")
file(MAKE_DIRECTORY "${belltide_work_folder}")
file(COPY_FILE "${belltide_unpacked}" "${stripped}")
if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND "${belltide_strip}" --remove-section=.comment --remove-section=.note "${stripped}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Cannot strip ${stripped}")
  endif()
endif()
execute_process(COMMAND "${belltide_packer}" ${belltide_pack_arguments} "${stripped}" "${program}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Cannot pack ${program}")
endif()
file(INSTALL "${program}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${belltide_destination}" USE_SOURCE_PERMISSIONS)
