# The two commands of the README: `make run` and `make test`.
.PHONY: run test build configure bootstrap sanitize clang format clean

JOBS ?= $(shell nproc)

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

test: build
	@cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

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

clang: bootstrap
	@cmake --preset clang >/dev/null
	@cmake --build --preset clang -j $(JOBS)
	@cd build-clang && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-sanitize build-clang
