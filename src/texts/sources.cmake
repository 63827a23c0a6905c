target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TextsMenu.cpp
)
