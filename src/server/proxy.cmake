# velkora_proxy: the server-method proxy and the call frames around it.
add_library(velkora_proxy STATIC
  ${CMAKE_CURRENT_LIST_DIR}/methodanswer.h ${CMAKE_CURRENT_LIST_DIR}/methodanswer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/proxim.h ${CMAKE_CURRENT_LIST_DIR}/proxim.cpp
  ${CMAKE_CURRENT_LIST_DIR}/callframe.h ${CMAKE_CURRENT_LIST_DIR}/callframe.cpp
)
target_include_directories(velkora_proxy PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_proxy PUBLIC velkora_methods velkora_records velkora_values velkora_codec velkora_dsclient
  PRIVATE velkora_reconnect)
