# A thin front for the CMake presets; the build itself is CMake's.
.PHONY: setup run test build clean fuzz

FUZZ_SECONDS ?= 3600

setup:
	@scripts/setup

build: setup
	cmake --preset release
	cmake --build --preset release

run: build
	build/release/brindlewave

test: setup
	cmake --preset release
	cmake --build --preset release
	QT_QPA_PLATFORM=offscreen ctest --preset release
	cmake --preset sanitize
	cmake --build --preset sanitize
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --preset sanitize
	cmake --preset tsan
	cmake --build --preset tsan
	QT_QPA_PLATFORM=offscreen TSAN_OPTIONS=halt_on_error=1 ctest --preset tsan
	cmake --preset fuzz
	cmake --build --preset fuzz
	fuzz/run 60

# A long fuzzing run of the input side (FUZZ_SECONDS, an hour by default).
fuzz: setup
	cmake --preset fuzz
	cmake --build --preset fuzz
	fuzz/run --keep-going $(FUZZ_SECONDS)

clean:
	rm -rf build
