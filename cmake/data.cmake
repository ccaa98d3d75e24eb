# Both database files of the ready data folder, made by the project's own scripts.
set(MIRVEL_CONFIG_SQL ${CMAKE_SOURCE_DIR}/db/config.sql)
set(MIRVEL_DATA_SQL ${CMAKE_SOURCE_DIR}/db/data.sql)
set(MIRVEL_MAKE_DB ${CMAKE_SOURCE_DIR}/tools/make_db.sh)

# Template of config.fdb kept apart from the data folder, so that tests can copy
# a fresh file and the ready folder is not overwritten by a rebuild.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/db/config.fdb
  COMMAND ${MIRVEL_MAKE_DB} ${CMAKE_BINARY_DIR}/db/config.fdb ${MIRVEL_CONFIG_SQL}
  DEPENDS ${MIRVEL_CONFIG_SQL} ${MIRVEL_MAKE_DB}
  COMMENT "Creating config.fdb")

if(NOT TARGET mirvel_data_fdb)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/db/data.fdb
    COMMAND ${MIRVEL_MAKE_DB} ${CMAKE_BINARY_DIR}/db/data.fdb ${MIRVEL_DATA_SQL}
    DEPENDS ${MIRVEL_DATA_SQL} ${MIRVEL_MAKE_DB}
    COMMENT "Creating data.fdb")
  add_custom_target(mirvel_data_fdb DEPENDS ${CMAKE_BINARY_DIR}/db/data.fdb)
endif()

# The ready data folder build/data: data.fdb follows the content; config.fdb is
# copied only when missing, so users and runs made while trying the program stay.
add_custom_target(mirvel_databases ALL
  DEPENDS ${CMAKE_BINARY_DIR}/db/config.fdb mirvel_data_fdb
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MIRVEL_DATA_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_BINARY_DIR}/db/data.fdb ${MIRVEL_DATA_DIR}/data.fdb
  COMMAND sh -c "[ -f '${MIRVEL_DATA_DIR}/config.fdb' ] || cp '${CMAKE_BINARY_DIR}/db/config.fdb' '${MIRVEL_DATA_DIR}/config.fdb'"
  VERBATIM)

# Installation folders beside the executable.
foreach(dir Zvuky Emotikony Pomoc)
  file(MAKE_DIRECTORY ${MIRVEL_PROGRAM_DIR}/${dir})
endforeach()

