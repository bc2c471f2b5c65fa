include(${CMAKE_SOURCE_DIR}/templates/tools/pseudodepth.cmake)
