# The project's warning set, applied to its own targets only (generated and third-party code stays quiet).
function(mealwright_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                                             -Woverloaded-virtual -Wformat=2)
    if(MEALWRIGHT_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
