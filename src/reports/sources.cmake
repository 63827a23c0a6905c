target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Listing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListingModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintJob.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportLines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Summary.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ListingPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListingPanel.ui
    ${CMAKE_CURRENT_LIST_DIR}/ListingWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListingWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/NumeroDptWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NumeroDptWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/ReportsMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SummaryWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SummaryWindow.ui
)
