# Background calls: Async/Await and the hand-overs (beklesinu), and the tab-load
# pattern built on them (tabload).
add_library(velkora_background STATIC
  ${CMAKE_CURRENT_LIST_DIR}/beklesinu.h ${CMAKE_CURRENT_LIST_DIR}/beklesinu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tabload.h ${CMAKE_CURRENT_LIST_DIR}/tabload.cpp
)
target_include_directories(velkora_background PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkora_background PUBLIC Qt6::Core Qt6::Widgets velkora_widgets velkora_reconnect)
