target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Logbook.cpp
)
