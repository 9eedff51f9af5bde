# make run    builds the program and opens its window
# make test   builds everything and runs every test: once as built, once under AddressSanitizer
#             and UndefinedBehaviorSanitizer (with clang)
# Both first install whatever the machine lacks (Debian 12, apt-get as root or through sudo).

JOBS ?= 2
BUILD := build
SANITIZE_BUILD := build-sanitize

.PHONY: all deps build build-sanitize test run bench clean

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

test: build build-sanitize
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

run: build
	$(BUILD)/VorrelinCurve

bench: build
	$(BUILD)/bench/draw_bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
