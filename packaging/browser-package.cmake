# cmake -DFAMILY=chromium|firefox -DSOURCE=browser -DSTAGE=folder -DPACKAGE=file -DVERSION=x.y.z -DZIP=zip -P browser-package.cmake
# Copies the extension's files into STAGE with the family's manifest, then packs STAGE into PACKAGE.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
# Only what the browser loads: no editor's or system's leftovers.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*.mjs ${SOURCE}/*.html ${SOURCE}/*.css ${SOURCE}/icons/*.png
    ${SOURCE}/_locales/*/messages.json)
foreach(file IN LISTS files)
    get_filename_component(folder ${STAGE}/${file} DIRECTORY)
    file(COPY ${SOURCE}/${file} DESTINATION ${folder})
endforeach()

file(READ ${SOURCE}/manifest.json manifest)
string(JSON manifest SET "${manifest}" version "\"${VERSION}\"")
if(FAMILY STREQUAL "chromium")
    string(JSON manifest REMOVE "${manifest}" browser_specific_settings)
elseif(FAMILY STREQUAL "firefox")
    string(JSON worker GET "${manifest}" background service_worker)
    string(JSON manifest SET "${manifest}" background "{\"scripts\": [\"${worker}\"], \"type\": \"module\"}")
    string(JSON manifest REMOVE "${manifest}" key)
    string(JSON manifest REMOVE "${manifest}" minimum_chrome_version)
else()
    message(FATAL_ERROR "FAMILY must be chromium or firefox, not '${FAMILY}'")
endif()
file(WRITE ${STAGE}/manifest.json "${manifest}\n")

file(REMOVE ${PACKAGE})
# Sorted names and no extra file attributes, so that the same files make the same package.
file(GLOB_RECURSE packed RELATIVE ${STAGE} ${STAGE}/*)
list(SORT packed)
execute_process(COMMAND ${ZIP} -q -X -D ${PACKAGE} ${packed} WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
