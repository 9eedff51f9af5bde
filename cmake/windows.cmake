# How the Windows program is built: for Windows 10 and later, whose per-monitor density
# functions it uses; as one executable that needs nothing beside it, the compiler's own
# libraries linked in; and the same executable from the same source whenever it is linked.
enable_language(RC)
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE)
add_link_options(-static -Wl,--no-insert-timestamp)
