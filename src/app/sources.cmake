target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppContext.h
    ${CMAKE_CURRENT_LIST_DIR}/AppDir.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClockTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Revision.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleCopy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StationLists.h
    ${CMAKE_CURRENT_LIST_DIR}/StationSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StationSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowPlacement.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/QtPlatform.h
    ${CMAKE_CURRENT_LIST_DIR}/SessionBus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StationWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StationWindow.ui
)
