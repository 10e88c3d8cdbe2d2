# Strict warnings for the project's own targets (not for third-party code).
function(level_strict_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror
        # g++ 12 at -O3 warns falsely about std::string assignments (GCC bug
        # 105329); the warning says nothing about this project's code.
        $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()
