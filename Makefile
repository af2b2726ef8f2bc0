# A thin front for the CMake presets; the build itself is CMake's.
.PHONY: setup run test build clean fuzz explore deb

FUZZ_SECONDS ?= 3600
SECONDS ?= 1800

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

# A long exploration of the windows with fresh seeds (SECONDS, half an hour by
# default), half of it on a desktop with a tray and half without.
explore: build
	@status=0; \
	tests/desktop/run-on-desktop build/release/tests/desktop/desktop_explorer --seconds $$(($(SECONDS) / 2)) || status=1; \
	tests/desktop/run-on-desktop build/release/tests/desktop/desktop_explorer --tray --seconds $$(($(SECONDS) / 2)) || status=1; \
	exit $$status

# The Debian package, in build/deb.
deb: build
	cd build/release && cpack -B $(CURDIR)/build/deb

clean:
	rm -rf build
