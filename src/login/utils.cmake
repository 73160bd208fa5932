# velkora_utils: machine identity, folders and the other local helpers.
add_library(velkora_utils STATIC ${CMAKE_CURRENT_LIST_DIR}/utils.cpp)
target_include_directories(velkora_utils PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_utils PUBLIC velkora_os velkora_deployment Qt6::Core)
# The message box is declared through utils.h; link it once its library exists.
if(TARGET velkora_widgets)
  target_link_libraries(velkora_utils PUBLIC velkora_widgets)
endif()
if(VELKORA_WITH_WEBENGINE)
  target_compile_definitions(velkora_utils PRIVATE VELKORA_WITH_WEBENGINE)
endif()
