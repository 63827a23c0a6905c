target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DvfResults.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TownList.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DvfMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DvfWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DvfWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/TownsWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TownsWindow.ui
)
