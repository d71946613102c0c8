# `cpack -G DEB` in the build folder makes vireloom_<version>_amd64.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vireloom)
set(CPACK_PACKAGE_VENDOR "The Vireloom developers")
set(CPACK_PACKAGE_CONTACT "The Vireloom developers <vireloom@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "save video or audio from links as files")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VIRELOOM_PROJECT_URL})
# CPack puts the summary first and indents this below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Vireloom saves video or audio from links to web pages into a folder of the
user's choice, with quality presets, whole playlists, several downloads at a
time and a searchable history. Links arrive typed, dropped, from the
clipboard or as vireloom: addresses from a browser or a launcher.

Every download is carried out by yt-dlp, with ffmpeg, run as separate
programs. Vireloom uses the system's or fetches its own.]=])# The libraries the program links are found by dpkg-shlibdeps. What is loaded by name at run time
# (the QML modules the window imports, the SVG image plugin, libarchive and libcanberra) it cannot
# see, so those are listed, as is gpgv, which checks the signature of every yt-dlp it fetches.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gpgv, qml6-module-qtquick, qml6-module-qtquick-controls, \
qml6-module-qtquick-dialogs, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, \
qml6-module-qtquick-templates, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, \
qml6-module-qt-labs-folderlistmodel, libqt6svg6, libarchive13 (>= 3.6), libcanberra0 (>= 0.30)")
# The engine can be fetched by the program itself, so Debian's is only recommended.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "yt-dlp, ffmpeg, qt6-wayland, fonts-noto-cjk, fonts-noto-core")

# Debian asks every package for a changelog; ours is generated for the release being built.
execute_process(COMMAND date -R -u -d "${VIRELOOM_RELEASE_DATE} 12:00" OUTPUT_VARIABLE VIRELOOM_RELEASE_STAMP
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    COMMAND ${GZIP_PROGRAM} -9nc changelog > changelog.gz
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/packaging
    DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog)
add_custom_target(vireloom_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vireloom)

# What the package puts in /etc is the administrator's to change, and dpkg keeps what they changed.
set(conffiles "")
foreach(folder ${VIRELOOM_CHROMIUM_HOST_FOLDERS})
    string(APPEND conffiles "${folder}/${VIRELOOM_APP_ID}.json\n")
endforeach()
file(WRITE ${PROJECT_BINARY_DIR}/packaging/conffiles "${conffiles}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/packaging/conffiles)

include(CPack)
