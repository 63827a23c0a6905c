# The map of the départements: the chase counted per département (core), the outlines compiled
# in from Departements.txt (written by tools/data/generate-map.mjs) and the window.
target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Chase.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MapMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapPicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapShapes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapWindow.ui
)
qt_add_resources(kerlanic_gui "map"
    PREFIX "/map"
    BASE ${CMAKE_CURRENT_LIST_DIR}
    FILES
        ${CMAKE_CURRENT_LIST_DIR}/Departements.txt
)
