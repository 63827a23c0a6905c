target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ChosenLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryFields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FieldChecks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LookUp.cpp
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/EntryRow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryRow.ui
)
