# The names a distributor sets once for a build: the contact address, the
# maker's notice and the package's maintainer. Any UTF-8 text is taken as
# it is; each reaches C++ and the Windows resource script escaped for the
# literal it lands in. A value that cannot be shown on the window's one line
# (a line break or another control character) stops the configuration.
#
# Run as a script (cmake -DLEVEL_MAKER_NOTICE=... -P DistributorNames.cmake)
# it checks the values it is given, and nothing more.

set(LEVEL_DISTRIBUTOR_NAMES LEVEL_CONTACT_EMAIL LEVEL_MAKER_NOTICE LEVEL_MAINTAINER)

function(level_check_distributor_names)
    foreach(name ${LEVEL_DISTRIBUTOR_NAMES})
        foreach(code RANGE 1 31)
            string(ASCII ${code} control)
            string(FIND "${${name}}" "${control}" at)
            if(at GREATER -1)
                message(FATAL_ERROR
                    "${name} holds a line break or another control character (code ${code}), "
                    "which the window cannot show on its one line; give it as one line of text.")
            endif()
        endforeach()
    endforeach()
endfunction()

# Each name as the inside of a C++ string literal (NAME_C) and of a string
# in a resource script (NAME_RC), backslashes and quotes escaped, and as XML
# text (NAME_XML).
function(level_escape_distributor_names)
    foreach(name ${LEVEL_DISTRIBUTOR_NAMES})
        string(REPLACE "\\" "\\\\" escaped "${${name}}")
        string(REPLACE "\"" "\\\"" c_literal "${escaped}")
        string(REPLACE "\"" "\"\"" rc_literal "${escaped}")
        string(REPLACE "&" "&amp;" xml "${${name}}")
        string(REPLACE "<" "&lt;" xml "${xml}")
        string(REPLACE ">" "&gt;" xml "${xml}")
        set(${name}_C "${c_literal}" PARENT_SCOPE)
        set(${name}_XML "${xml}" PARENT_SCOPE)
        set(${name}_RC "${rc_literal}" PARENT_SCOPE)
    endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    level_check_distributor_names()
endif()
