# The program's icon is pixel art, drawn once in design/icons/trivelan.xpm.
# ImageMagick makes every file a platform reads from it: scaled without
# smoothing so that the pixels stay crisp, and with no build time in the file.
find_program(TRIVELAN_CONVERT convert REQUIRED)

# trivelan_icon(FILE SIZE...): FILE holds the icon at each size; a .png one
# size, an .ico several.
function(trivelan_icon file)
    set(images)
    foreach(size ${ARGN})
        list(APPEND images "(" -clone 0 -resize ${size}x${size} ")")
    endforeach()
    set(source ${PROJECT_SOURCE_DIR}/design/icons/trivelan.xpm)
    get_filename_component(folder ${file} DIRECTORY)
    add_custom_command(OUTPUT ${file}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${TRIVELAN_CONVERT} ${source} -filter point ${images} -delete 0
                -define png:exclude-chunks=date,time ${file}
        DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/TrivelanIcon.cmake VERBATIM)
endfunction()
