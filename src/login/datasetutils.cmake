# velkora_datasetutils: DataSetHasRows, AnyRowSelected, SetFloatDisplayFormats.
add_library(velkora_datasetutils STATIC ${CMAKE_CURRENT_LIST_DIR}/datasetutils.cpp)
target_include_directories(velkora_datasetutils PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_datasetutils PUBLIC velkora_dataset velkora_format)
