# Every file listed here is compiled in under ":/shipped/" and written into the program's folder
# at start-up when, and only when, it is missing there.
qt_add_resources(kerlanic_gui "shipped"
    PREFIX "/shipped"
    BASE ${CMAKE_CURRENT_LIST_DIR}
    FILES
        ${CMAKE_CURRENT_LIST_DIR}/FXXXX_CP.txt
        ${CMAKE_CURRENT_LIST_DIR}/Kerlanic.hlp
        ${CMAKE_CURRENT_LIST_DIR}/Liste_DVF.txt
)
