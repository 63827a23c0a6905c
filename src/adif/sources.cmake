# ADIF, the exchange format of logging programs: reading and writing ADI and ADX, the export of the
# log, the import proposal, the command line; the menu entries and the import review window.
target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AdifFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AdifImport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AdifLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AdifOperations.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AdifTerminal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AdifImportWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AdifImportWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/AdifMenu.cpp
)
