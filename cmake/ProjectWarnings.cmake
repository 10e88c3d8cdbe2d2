# Strict warnings for the project's own targets (not for third-party code).
# A warning stops CI and a developer's build (the presets turn LEVEL_WERROR
# on); a user's or a distribution's build, with a compiler or library the
# project has not met yet, only shows it.
option(LEVEL_WERROR "Treat the project's warnings as errors" OFF)

function(level_strict_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
        $<$<BOOL:${LEVEL_WERROR}>:-Werror>
        # g++ 12 at -O3 warns falsely about std::string assignments (GCC bug
        # 105329); the warning says nothing about this project's code.
        $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()
