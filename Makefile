# The two commands of the README: `make run` and `make test`.
.PHONY: run test test-core build configure bootstrap sanitize clang fuzz format clean

JOBS ?= $(shell nproc)
# make fuzz: seconds each target runs, and which targets (all by default).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= selection_file record archive text_codec string_table bmp_layout format

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

test: build
	@cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-core

# The core, morvane-cli, the database builder and their tests once more, without Qt and
# optimised as a Release build (-O3, where GCC finds warnings a debug build does not), into build-core/.
test-core: bootstrap
	@cmake --preset core >/dev/null
	@cmake --build --preset core -j $(JOBS)
	@ctest --preset core -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
		echo "make run: no display is set (DISPLAY or WAYLAND_DISPLAY); start it from a desktop session," >&2; \
		echo "or under a virtual one: xvfb-run -s '-screen 0 1024x768x24' build/stage/bin/morvane" >&2; \
		exit 1; \
	fi
	@build/stage/bin/morvane

sanitize: bootstrap
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clang:
	@scripts/bootstrap clang
	@cmake --preset clang >/dev/null
	@cmake --build --preset clang -j $(JOBS)
	@cd build-clang && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz:
	@scripts/bootstrap fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@scripts/fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-core build-sanitize build-clang build-fuzz
