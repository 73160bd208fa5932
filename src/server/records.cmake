# velkora_records: the transfer records of units baglantiu and mobilstokunit and their JSON form.
add_library(velkora_records STATIC
  ${CMAKE_CURRENT_LIST_DIR}/transferrecord.h
  ${CMAKE_CURRENT_LIST_DIR}/baglantiu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mobilstokunit.cpp
)
target_include_directories(velkora_records PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_records PUBLIC Qt6::Core)
