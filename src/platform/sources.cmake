target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.h
    ${CMAKE_CURRENT_LIST_DIR}/Messages.h
    ${CMAKE_CURRENT_LIST_DIR}/Clock.h
    ${CMAKE_CURRENT_LIST_DIR}/Screen.h
    ${CMAKE_CURRENT_LIST_DIR}/Launcher.h
    ${CMAKE_CURRENT_LIST_DIR}/HelpViewer.h
    ${CMAKE_CURRENT_LIST_DIR}/Printer.h
    ${CMAKE_CURRENT_LIST_DIR}/Platform.h
    ${CMAKE_CURRENT_LIST_DIR}/Terminal.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/QtSettingsStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtMessages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemClock.h
    ${CMAKE_CURRENT_LIST_DIR}/QtScreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtLauncher.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtHelpViewer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtPrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowAccessible.h
)
