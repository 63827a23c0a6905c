target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DfcfPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RulesTexts.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DfcfWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DfcfWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/RulesWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RulesWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/TextsMenu.cpp
)
# The controller reaches the main window's menu entries through its form, which lives in app/.
set_property(TARGET kerlanic_gui APPEND PROPERTY AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_LIST_DIR}/../app)
