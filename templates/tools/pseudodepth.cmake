# The pseudo-depth table is computed at build time by the program's own formula
# and compiled in as :/system/system/pseudoDepth.base.
add_executable(zarpseudodepthtool
  ${CMAKE_SOURCE_DIR}/templates/tools/zarpseudodepthtool.cpp
  ${CMAKE_SOURCE_DIR}/templates/zarpseudodepth.cpp)
target_link_libraries(zarpseudodepthtool PRIVATE zarcore)

set(ZAR_PSEUDODEPTH_DIR ${CMAKE_CURRENT_BINARY_DIR}/pseudodepth)
set(ZAR_PSEUDODEPTH_FILE ${ZAR_PSEUDODEPTH_DIR}/pseudoDepth.base)
add_custom_command(
  OUTPUT ${ZAR_PSEUDODEPTH_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAR_PSEUDODEPTH_DIR}
  COMMAND zarpseudodepthtool ${ZAR_PSEUDODEPTH_FILE}
  DEPENDS zarpseudodepthtool
  COMMENT "Computing the pseudo-depth table"
  VERBATIM)
file(WRITE ${ZAR_PSEUDODEPTH_DIR}/pseudodepth.qrc.tmp
  "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/system\">\n"
  "    <file alias=\"system/pseudoDepth.base\">${ZAR_PSEUDODEPTH_FILE}</file>\n"
  "</qresource>\n</RCC>\n")
configure_file(${ZAR_PSEUDODEPTH_DIR}/pseudodepth.qrc.tmp ${ZAR_PSEUDODEPTH_DIR}/pseudodepth.qrc COPYONLY)
set_source_files_properties(${ZAR_PSEUDODEPTH_DIR}/pseudodepth.qrc PROPERTIES
  OBJECT_DEPENDS ${ZAR_PSEUDODEPTH_FILE})
list(APPEND ZAR_GENERATED_QRC ${ZAR_PSEUDODEPTH_DIR}/pseudodepth.qrc)
add_custom_target(zarpseudodepth DEPENDS ${ZAR_PSEUDODEPTH_FILE})
