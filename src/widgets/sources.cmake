# The widget kit every window draws on: column heads over fixed-pitch lists, the wrapping button,
# the listing fonts, the waiting colour, secondary windows, the retyping of keys, the keyboard
# walk along the menu bar, the folder a file dialog opens on and the wait for a window's first
# paint.
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ColumnHeads.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FieldColour.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FirstPaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeyRetyper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuBarWalk.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SecondaryWindows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WrapButton.cpp
)
