# What a Debian maintainer's build flags give a package: PIE, full RELRO with immediate binding,
# the stack protector and fortified libc calls. Only optimised builds: _FORTIFY_SOURCE needs -O,
# and the sanitizer build (Debug) must keep its own instrumentation alone.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported(LANGUAGES CXX)

set(TESSELIN_HARDENED_CONFIGS Release RelWithDebInfo MinSizeRel)
list(JOIN TESSELIN_HARDENED_CONFIGS "," configs)
set(optimised "$<CONFIG:${configs}>")
add_compile_options(
    "$<${optimised}:-fstack-protector-strong>"
    "$<${optimised}:-Wformat>"
    "$<${optimised}:-Werror=format-security>"
)
# Some distributions' compilers define _FORTIFY_SOURCE already; undefine first so ours holds.
add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=2>")
check_cxx_compiler_flag(-fstack-clash-protection TESSELIN_HAS_STACK_CLASH_PROTECTION)
if(TESSELIN_HAS_STACK_CLASH_PROTECTION)
    add_compile_options("$<${optimised}:-fstack-clash-protection>")
endif()
add_link_options("$<${optimised}:LINKER:-z,relro>" "$<${optimised}:LINKER:-z,now>")
unset(optimised)
unset(configs)
