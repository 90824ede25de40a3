# The help topics: Polish HTML pages in assets/help compiled by qhelpgenerator into a Qt Help
# collection. The collection goes into the runtime folder under the name the program asks for,
# with its compressed documentation beside it (the collection refers to it by a relative path,
# so the two can be moved together).

set(ZUVO_QHELPGENERATOR "")
if(TARGET Qt6::qhelpgenerator)
    set(ZUVO_QHELPGENERATOR $<TARGET_FILE:Qt6::qhelpgenerator>)
else()
    find_program(ZUVO_QHELPGENERATOR_PROGRAM qhelpgenerator
        HINTS /usr/lib/qt6/libexec /usr/lib/qt6/bin /usr/lib/x86_64-linux-gnu/qt6/libexec)
    if(ZUVO_QHELPGENERATOR_PROGRAM)
        set(ZUVO_QHELPGENERATOR ${ZUVO_QHELPGENERATOR_PROGRAM})
    endif()
endif()

if(NOT ZUVO_QHELPGENERATOR)
    message(WARNING "qhelpgenerator not found (Debian: qt6-documentation-tools); the help is not built")
    return()
endif()

set(ZUVO_HELP_COLLECTION_NAME "TEMATY POMOCY.HLP")
set(ZUVO_HELP_COLLECTION "${ZUVO_RUNTIME_DIR}/${ZUVO_HELP_COLLECTION_NAME}")
set(_zuvo_help_src ${CMAKE_SOURCE_DIR}/assets/help)
set(_zuvo_help_work ${CMAKE_BINARY_DIR}/help)
file(MAKE_DIRECTORY ${_zuvo_help_work})
file(GLOB _zuvo_help_sources CONFIGURE_DEPENDS
    ${_zuvo_help_src}/*.html ${_zuvo_help_src}/*.css ${_zuvo_help_src}/*.png
    ${_zuvo_help_src}/*.qhp ${_zuvo_help_src}/*.qhcp)

# The generator writes next to its project files, so it works on a copy in the build tree. Old
# outputs go first: qhelpgenerator does not replace an existing collection, and a search index
# left beside the runtime copy would describe the old pages.
add_custom_command(
    OUTPUT "${ZUVO_HELP_COLLECTION}" "${ZUVO_RUNTIME_DIR}/zuvo.qch"
    COMMAND ${CMAKE_COMMAND} -E rm -rf pages
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${_zuvo_help_src} pages
    COMMAND ${ZUVO_QHELPGENERATOR} pages/zuvo.qhcp -o pages/zuvo.qhc
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZUVO_RUNTIME_DIR}
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${ZUVO_RUNTIME_DIR}/.${ZUVO_HELP_COLLECTION_NAME}"
    COMMAND ${CMAKE_COMMAND} -E copy pages/zuvo.qch ${ZUVO_RUNTIME_DIR}/zuvo.qch
    COMMAND ${CMAKE_COMMAND} -E copy pages/zuvo.qhc "${ZUVO_HELP_COLLECTION}"
    WORKING_DIRECTORY ${_zuvo_help_work}
    DEPENDS ${_zuvo_help_sources}
    COMMENT "Building the help collection"
    VERBATIM)
add_custom_target(zuvo_help ALL DEPENDS "${ZUVO_HELP_COLLECTION}" "${ZUVO_RUNTIME_DIR}/zuvo.qch")

# Whoever gathers the runtime files (run.sh, the window tests) gets the help with them.
if(TARGET zuvo_runtime)
    add_dependencies(zuvo_runtime zuvo_help)
endif()
