# High warning level for our own targets; third-party code is built without it.
function(corvina_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wcast-align
        -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
        $<$<BOOL:${CORVINA_WERROR}>:-Werror>)
endfunction()
