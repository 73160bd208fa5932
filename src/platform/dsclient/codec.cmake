# velkora_codec: the table form of rows and data packets, and the wire text of single values.
add_library(velkora_codec STATIC
  ${CMAKE_CURRENT_LIST_DIR}/valuecodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tablecodec.cpp
)
target_include_directories(velkora_codec PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_codec PUBLIC velkora_dataset simdjson::simdjson)
