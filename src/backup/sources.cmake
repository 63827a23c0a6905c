target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Backups.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UndoHistory.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BackupsWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BackupsWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/SafetyMenu.cpp
)
