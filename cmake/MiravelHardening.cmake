# The hardening Debian builds its own packages with, in every optimised build: the checked
# variants of the C library's string and memory functions (they need optimisation), a stack
# protector, a position-independent program, and relocations resolved at start and then made
# read-only. The tests run on the same flags as the program that is shipped.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(MIRAVEL_OPTIMISED_CONFIG "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${MIRAVEL_OPTIMISED_CONFIG}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
                    "$<${MIRAVEL_OPTIMISED_CONFIG}:-fstack-protector-strong>")
add_link_options("$<${MIRAVEL_OPTIMISED_CONFIG}:LINKER:-z,relro,-z,now>")
