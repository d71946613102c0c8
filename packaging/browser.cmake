# The browser extension's two packages, made from browser/ (one source for both families):
# vireloom-chromium.zip (and the same files unpacked, for "Load unpacked") and
# vireloom-firefox.xpi, unsigned, beside the program in the build folder and installed to
# share/vireloom/browser/. Each package's manifest is written from browser/manifest.json:
# the Chromium family runs the background script as a service worker and knows the
# extension by its "key"; Firefox runs it as a background script and knows it by the id in
# browser_specific_settings.
#
# The permissions the manifest asks for, and why (README, "The browser extension"):
#   nativeMessaging  talking to Vireloom's host, the one way links and logins leave the browser
#   contextMenus     "Download with Vireloom" on links, video, audio and pages
#   cookies          reading the login of the link's site, when the user leaves that option on
#   storage          the two options
#   activeTab        the address of the tab the button or shortcut was used on
#   host permissions (http and https) the browser lets an extension read a site's cookies only
#                    for sites it was granted; a link can come from any site
find_program(ZIP_PROGRAM zip REQUIRED)
set(VIRELOOM_BROWSER_SOURCE ${PROJECT_SOURCE_DIR}/browser)
# Where `vireloom` itself is built.
set(VIRELOOM_BROWSER_PACKAGES ${PROJECT_BINARY_DIR}/src)
set(VIRELOOM_CHROMIUM_PACKAGE ${VIRELOOM_BROWSER_PACKAGES}/vireloom-chromium.zip)
set(VIRELOOM_FIREFOX_PACKAGE ${VIRELOOM_BROWSER_PACKAGES}/vireloom-firefox.xpi)
file(GLOB_RECURSE browser_sources CONFIGURE_DEPENDS ${VIRELOOM_BROWSER_SOURCE}/*)
foreach(family chromium firefox)
    if(family STREQUAL "chromium")
        set(package ${VIRELOOM_CHROMIUM_PACKAGE})
        set(stage ${VIRELOOM_BROWSER_PACKAGES}/vireloom-chromium)
    else()
        set(package ${VIRELOOM_FIREFOX_PACKAGE})
        set(stage ${PROJECT_BINARY_DIR}/browser/firefox)
    endif()
    add_custom_command(OUTPUT ${package}
        COMMAND ${CMAKE_COMMAND} -DFAMILY=${family} -DSOURCE=${VIRELOOM_BROWSER_SOURCE} -DSTAGE=${stage}
            -DPACKAGE=${package} -DVERSION=${PROJECT_VERSION} -DZIP=${ZIP_PROGRAM}
            -P ${CMAKE_CURRENT_LIST_DIR}/browser-package.cmake
        DEPENDS ${browser_sources} ${CMAKE_CURRENT_LIST_DIR}/browser-package.cmake
        COMMENT "Packing the browser extension for ${family}")
endforeach()
add_custom_target(vireloom_browser_extension ALL DEPENDS ${VIRELOOM_CHROMIUM_PACKAGE} ${VIRELOOM_FIREFOX_PACKAGE})

install(FILES ${VIRELOOM_CHROMIUM_PACKAGE} ${VIRELOOM_FIREFOX_PACKAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/vireloom/browser)
install(DIRECTORY ${VIRELOOM_BROWSER_PACKAGES}/vireloom-chromium DESTINATION ${CMAKE_INSTALL_DATADIR}/vireloom/browser)
