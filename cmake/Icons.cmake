# The program's icon is drawn once, as SVG (ui/icons/veltrix.svg); every bitmap a platform wants is
# rendered from it at build time, so no generated image is kept in the repository.

set(VELTRIX_ICON_SVG ${PROJECT_SOURCE_DIR}/ui/icons/veltrix.svg)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# Adds a build rule, in the calling directory, that renders the icon as a square PNG.
function(veltrix_render_icon size output)
    get_filename_component(dir ${output} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${output}
                ${VELTRIX_ICON_SVG}
        DEPENDS ${VELTRIX_ICON_SVG}
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
endfunction()

# Adds a build rule, in the calling directory, that renders the icon at each size and packs the
# images into `output`: a Windows .ico or a macOS .icns, as `format` says.
function(veltrix_pack_icon output format)
    get_filename_component(name ${output} NAME)
    set(images)
    foreach(size IN LISTS ARGN)
        set(png ${CMAKE_CURRENT_BINARY_DIR}/${name}.d/${size}.png)
        veltrix_render_icon(${size} ${png})
        list(APPEND images ${png})
    endforeach()
    add_custom_command(
        OUTPUT ${output}
        COMMAND veltrix_icon_pack ${format} ${output} ${images}
        DEPENDS veltrix_icon_pack ${images}
        COMMENT "Packing ${name}"
        VERBATIM)
endfunction()

# Sizes each container holds: the ones Windows Explorer and the macOS Finder ask for.
set(VELTRIX_ICO_SIZES 16 24 32 48 64 256)
set(VELTRIX_ICNS_SIZES 16 32 64 128 256 512 1024)
