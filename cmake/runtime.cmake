# The files the program reads from its start directory, gathered in the build's runtime folder.
add_custom_target(zuvo_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZUVO_RUNTIME_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/assets/runtime ${ZUVO_RUNTIME_DIR}
    COMMENT "Gathering runtime files")
