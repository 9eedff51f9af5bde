# make run      builds the program and opens its window
# make test     builds everything and runs every test: once as built, once under AddressSanitizer
#               and UndefinedBehaviorSanitizer (with clang), and the Windows build under Wine;
#               first it checks that every entry of tools/planted-faults.txt still finds its text
# make windows  cross-builds build-windows/VorrelinCurve.exe for 64-bit Windows, its zip and its
#               installer
# make package  builds the Debian package build/vorrelincurve_<version>_<arch>.deb
# make release  puts the Debian package, the Windows zip and installer, and SHA256SUMS in dist/
# Each first installs whatever the machine lacks (Debian 12, apt-get as root or through sudo).

JOBS ?= 2
BUILD := build
SANITIZE_BUILD := build-sanitize
WINDOWS_BUILD := build-windows
DIST := dist

.PHONY: all deps build build-sanitize windows package release check-faults test run bench clean

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

package: build
	cmake --build $(BUILD) --target package

# The artefacts are those the tests ran on, named with the version of the project.
release: package windows
	rm -rf $(DIST)
	mkdir $(DIST)
	version=$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(BUILD)/CMakeCache.txt) && \
	cp $(BUILD)/vorrelincurve_$${version}_$$(dpkg --print-architecture).deb \
	    $(WINDOWS_BUILD)/VorrelinCurve-$${version}-win64.zip \
	    $(WINDOWS_BUILD)/VorrelinCurve-$${version}-win64.msi $(DIST)/
	cd $(DIST) && sha256sum -- *.deb *.zip *.msi >SHA256SUMS

# The fault list is checked first, in seconds: an entry whose text has gone from its file
# plants nothing.
check-faults:
	tools/plant-faults --check

test: check-faults build build-sanitize windows package release
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

run: build
	$(BUILD)/vorrelincurve

bench: build windows
	$(BUILD)/bench/draw_bench
	$(BUILD)/bench/window_bench
	xvfb-run -a tools/wine-run $(WINDOWS_BUILD)/bench/windows_bench.exe

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINDOWS_BUILD) $(DIST) build-faults
