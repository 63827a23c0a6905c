# The window of the CodePostal search program.
target_sources(codepostal_window PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CodePostalWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CodePostalWindow.ui
)
