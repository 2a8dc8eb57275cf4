# One test executable per class under test, registered with CTest and run headless.
function(miravel_add_test source support_library)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${support_library})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false"
        TIMEOUT 300)
endfunction()
