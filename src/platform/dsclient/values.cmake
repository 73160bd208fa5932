# velkora_values: checks of single wire values against their kinds (both ends).
add_library(velkora_values STATIC
  ${CMAKE_CURRENT_LIST_DIR}/valuekind.h
  ${CMAKE_CURRENT_LIST_DIR}/wirevalue.h ${CMAKE_CURRENT_LIST_DIR}/wirevalue.cpp
)
target_include_directories(velkora_values PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_values PUBLIC Qt6::Core)
