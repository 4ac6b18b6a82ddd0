# Puts the bundled sets into the program's data folder without touching the user's work there:
# a set is copied where no file of its name exists, and updated only while the copy is still
# exactly what an earlier build put there (no favourite marked, not saved over by the editor).
# Nothing is ever removed. Run with -DSOURCE=<data> -DDEST=<program's data> -DPRISTINE=<folder
# of the copies as last delivered>.
file (MAKE_DIRECTORY "${DEST}" "${PRISTINE}")
file (GLOB bundled LIST_DIRECTORIES false "${SOURCE}/*.kbs")

foreach (source ${bundled})
    get_filename_component (name "${source}" NAME)
    set (target "${DEST}/${name}")
    set (delivered "${PRISTINE}/${name}")

    set (deliver FALSE)
    if (NOT EXISTS "${target}")
        set (deliver TRUE)
    elseif (EXISTS "${delivered}")
        file (SHA256 "${target}" targetHash)
        file (SHA256 "${delivered}" deliveredHash)
        if (targetHash STREQUAL deliveredHash)
            set (deliver TRUE)
        endif()
    endif()

    if (deliver)
        file (COPY_FILE "${source}" "${target}")
        file (COPY_FILE "${source}" "${delivered}")
    endif()
endforeach()
