# velkora_login: the login window, its address lookup and its account fetch.
add_library(velkora_login STATIC
  ${CMAKE_CURRENT_LIST_DIR}/girisformu.h ${CMAKE_CURRENT_LIST_DIR}/girisformu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/externalip.h ${CMAKE_CURRENT_LIST_DIR}/externalip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loginfetch.h ${CMAKE_CURRENT_LIST_DIR}/loginfetch.cpp
)
target_include_directories(velkora_login PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_login
  PUBLIC Qt6::Widgets velkora_records
  PRIVATE velkora_utils velkora_os velkora_widgets velkora_deployment velkora_proxy velkora_background
          velkora_sales velkora_requests CURL::libcurl)
