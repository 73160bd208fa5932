# velkora_deployment: the deployment values (hosts, addresses, time-outs, known serials).
add_library(velkora_deployment STATIC ${CMAKE_CURRENT_LIST_DIR}/deployment.cpp)
target_include_directories(velkora_deployment PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_deployment PUBLIC Qt6::Core)
