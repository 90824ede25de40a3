# Installation: the program under lib/zuvo, the files it reads under share/zuvo, and a launcher
# in bin that starts it in the user's data folder (seeded from share/zuvo), with a desktop entry
# and an icon, and the AppStream metainfo that software centres read. The runtime folder must be
# built first (targets zuvo_runtime and zuvo_help, both part of the default build).

install(TARGETS zuvo RUNTIME DESTINATION lib/zuvo)

# Everything gathered in the runtime folder, help collection included; hidden entries (place
# holders, a search index left by a test run) stay behind.
install(DIRECTORY ${ZUVO_RUNTIME_DIR}/ DESTINATION share/zuvo
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    PATTERN ".*" EXCLUDE)

install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/zuvo DESTINATION bin)
# AppStream wants the desktop entry named after the component's reverse-DNS id; the command
# stays `zuvo`.
set(ZUVO_APP_ID pl.dravik.zuvo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${ZUVO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${ZUVO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/zuvo.png DESTINATION share/icons/hicolor/128x128/apps)
