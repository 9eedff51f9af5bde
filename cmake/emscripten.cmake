# How the page's program is built by emscripten: C++ exceptions as WebAssembly's own (the
# engine reports run-time errors by throwing), and no build path in what is built.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
set(VORRELIN_BENCHMARKS OFF)
# emscripten's optimizer runs on Node and needs Debian's own JavaScript modules (acorn), which
# a Node of another build does not look for.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
