add_library(velkora_methods STATIC methodcatalogue.cpp)
target_include_directories(velkora_methods PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_methods PUBLIC Qt6::Core)
