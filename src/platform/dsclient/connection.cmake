# velkora_dsclient: connection to the application server (libcurl), server call
# answers, callback channel.
add_library(velkora_dsclient STATIC
  ${CMAKE_CURRENT_LIST_DIR}/servercallerror.h ${CMAKE_CURRENT_LIST_DIR}/servercallerror.cpp
  ${CMAKE_CURRENT_LIST_DIR}/connectiondefaults.h
  ${CMAKE_CURRENT_LIST_DIR}/httpsession.h ${CMAKE_CURRENT_LIST_DIR}/httpsession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/servercallresult.h ${CMAKE_CURRENT_LIST_DIR}/servercallresult.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsconnection.h ${CMAKE_CURRENT_LIST_DIR}/dsconnection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/namedcallback.h
  ${CMAKE_CURRENT_LIST_DIR}/callbackchannel.h ${CMAKE_CURRENT_LIST_DIR}/callbackchannel.cpp
)
target_include_directories(velkora_dsclient PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_dsclient PUBLIC Qt6::Core PRIVATE CURL::libcurl simdjson::simdjson)
