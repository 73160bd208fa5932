add_library(velkora_background STATIC
  ${CMAKE_CURRENT_LIST_DIR}/beklesinu.cpp
)
target_include_directories(velkora_background PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_background PUBLIC Qt6::Core)
