# The two commands of the README: `make run` and `make test`.
.PHONY: run test test-core build configure bootstrap sanitize format clean

JOBS ?= $(shell nproc)

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
# optimised (-O2, where GCC finds warnings a debug build does not), into build-core/.
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

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-core build-sanitize
