# velkora_reconnect: ReconnectServer, the retrying open of every call frame.
add_library(velkora_reconnect STATIC
  ${CMAKE_CURRENT_LIST_DIR}/reconnect.h ${CMAKE_CURRENT_LIST_DIR}/reconnect.cpp
)
target_include_directories(velkora_reconnect PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_reconnect PUBLIC velkora_dsclient PRIVATE velkora_os velkora_widgets)
