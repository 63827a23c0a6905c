# The French postal codes and their communes, from the official base that tools/data turns into
# CodesPostaux.txt: compiled in under ":/postal/", read once at first use.
target_sources(kerlanic_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PostalBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PostalSearchModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PostalText.cpp
)
qt_add_resources(kerlanic_core "postal"
    PREFIX "/postal"
    BASE ${CMAKE_CURRENT_LIST_DIR}
    FILES
        ${CMAKE_CURRENT_LIST_DIR}/CodesPostaux.txt
)
target_sources(kerlanic_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TownSuggestions.cpp
)
