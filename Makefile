# Set-up and build entry points. Every target installs what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test package sanitize bench format bitmaps clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quorkit

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# A Debian package of the install tree, written to $(BUILD)/quorkit_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD) --target package

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORKIT_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORKIT_BENCH=ON -DQUORKIT_TESTS=OFF
	cmake --build build-bench -j $(JOBS) --target quorkit_bench
	./build-bench/bench/quorkit_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The bitmap resources drawn by script (res/README.md); unchanged drawings give unchanged files.
bitmaps:
	python3 scripts/draw_bitmaps.py

clean:
	rm -rf $(BUILD) build-asan build-bench
