target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DvfResults.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TownList.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ColumnHeads.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DvfMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DvfWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DvfWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/TownsWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TownsWindow.ui
)
# The controller reaches the main window's menu entries through its form, which lives in app/.
set_property(TARGET kerlanic_gui APPEND PROPERTY AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_LIST_DIR}/../app)
