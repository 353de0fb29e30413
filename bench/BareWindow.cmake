# A bare Qt window, the floor against which scripts/measure-startup.sh compares
# the program's start-up time and peak memory.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
set_target_properties(bare_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
