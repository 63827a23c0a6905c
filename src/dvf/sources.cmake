target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DvfResults.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TownList.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DvfMenu.cpp
)
