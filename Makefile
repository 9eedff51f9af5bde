# make run      builds the program and opens its window
# make test     builds everything and runs every test: once as built, once under AddressSanitizer
#               and UndefinedBehaviorSanitizer (with clang), the Windows build under Wine, and
#               the web build under Node and in Chromium; first it checks that every entry of
#               tools/planted-faults.txt still finds its text
# make windows  cross-builds build-windows/VorrelinCurve.exe for 64-bit Windows, its zip and its
#               installer
# make web      builds the page, build-web/site/, a static folder any web server can host
# make web-run  serves the page on this machine and prints its address
# make bench-web  times the page's drawing in Chromium at device pixel ratios 1 and 2
# make package  builds the Debian package build/vorrelincurve_<version>_<arch>.deb
# make release  puts the Debian package, the Windows zip and installer, the page's zip and
#               SHA256SUMS in dist/
# Each first installs whatever the machine lacks (Debian 12, apt-get as root or through sudo).

JOBS ?= 2
BUILD := build
SANITIZE_BUILD := build-sanitize
WINDOWS_BUILD := build-windows
WEB_BUILD := build-web
WEB_PORT ?= 8028
# emscripten's optimizer runs on Node and looks for Debian's JavaScript modules there.
export NODE_PATH := /usr/share/nodejs
DIST := dist

.PHONY: all deps build build-sanitize windows web web-run package release check-faults test run \
        bench bench-web clean

all: build

deps:
	@tools/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DVORRELIN_SANITIZE=ON -DVORRELIN_BENCHMARKS=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# A toolchain is read when a build folder is first configured, never again.
windows: deps
	test -f $(WINDOWS_BUILD)/CMakeCache.txt || cmake -S . -B $(WINDOWS_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	cmake --build $(WINDOWS_BUILD) --target zip installer

web: deps
	test -f $(WEB_BUILD)/CMakeCache.txt || emcmake cmake -S . -B $(WEB_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WEB_BUILD) -j $(JOBS)

web-run: web
	@echo "The page: http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)/site

package: build
	cmake --build $(BUILD) --target package

# The artefacts are those the tests ran on, named with the version of the project.
release: package windows web
	rm -rf $(DIST)
	mkdir $(DIST)
	version=$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(BUILD)/CMakeCache.txt) && \
	cp $(BUILD)/vorrelincurve_$${version}_$$(dpkg --print-architecture).deb \
	    $(WINDOWS_BUILD)/VorrelinCurve-$${version}-win64.zip \
	    $(WINDOWS_BUILD)/VorrelinCurve-$${version}-win64.msi \
	    $(WEB_BUILD)/VorrelinCurve-$${version}-web.zip $(DIST)/
	cd $(DIST) && sha256sum -- *.deb *.zip *.msi >SHA256SUMS

# The fault list is checked first, in seconds: an entry whose text has gone from its file
# plants nothing.
check-faults:
	tools/plant-faults --check

test: check-faults build build-sanitize windows web package release
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure
	ctest --test-dir $(WEB_BUILD) --output-on-failure

run: build
	$(BUILD)/vorrelincurve

bench: build windows
	$(BUILD)/bench/draw_bench
	$(BUILD)/bench/window_bench
	xvfb-run -a tools/wine-run $(WINDOWS_BUILD)/bench/windows_bench.exe

# The page's drawing times in Chromium, with Debian's own Python, which has Selenium.
bench-web: web
	/usr/bin/python3 bench/web_bench.py $(WEB_BUILD)/site

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINDOWS_BUILD) $(WEB_BUILD) $(DIST) build-faults
