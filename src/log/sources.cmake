target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Callsign.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Cp1252.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileCalls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogRewriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Points.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SafeFileWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StationLog.cpp
)
