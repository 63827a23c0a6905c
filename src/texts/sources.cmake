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
