# cmake -DFILES=a;b -DSTAMP=path -P ScanForQtIncludes.cmake
# Fails on any #include of a Qt header (<Q...>, <Qt...>, "Q....h").
set(_bad "")
foreach(f IN LISTS FILES)
    file(STRINGS "${f}" _lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Qt|Q[A-Z])")
    foreach(line IN LISTS _lines)
        string(APPEND _bad "\n  ${f}: ${line}")
    endforeach()
endforeach()
if(_bad)
    message(FATAL_ERROR "Qt headers are not allowed in the calculator logic:${_bad}")
endif()
file(TOUCH "${STAMP}")
