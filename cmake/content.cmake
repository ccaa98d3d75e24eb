# data.fdb built from the text sources in content/ with recorded words.
add_executable(mirvel_contentbuild tools/contentbuild/main.cpp)
target_link_libraries(mirvel_contentbuild PRIVATE Qt6::Core Qt6::Sql)

file(GLOB MIRVEL_CONTENT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/*.tsv)
set(MIRVEL_CONTENT_CACHE ${CMAKE_BINARY_DIR}/content-cache)

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/db/data.fdb
  COMMAND mirvel_contentbuild ${CMAKE_BINARY_DIR}/db/data.fdb ${CMAKE_SOURCE_DIR}/db/data.sql
          ${CMAKE_SOURCE_DIR}/tools/make_db.sh ${CMAKE_SOURCE_DIR}/content ${MIRVEL_CONTENT_CACHE}
  DEPENDS mirvel_contentbuild ${CMAKE_SOURCE_DIR}/db/data.sql ${CMAKE_SOURCE_DIR}/tools/make_db.sh
          ${MIRVEL_CONTENT_SOURCES}
  COMMENT "Creating data.fdb from the content sources"
  VERBATIM)
add_custom_target(mirvel_data_fdb DEPENDS ${CMAKE_BINARY_DIR}/db/data.fdb)
