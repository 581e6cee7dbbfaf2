# The two commands of the README: `make run` and `make test`.
.PHONY: run test build configure bootstrap sanitize format clean

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
	@build/stage/bin/morvane-cli units

sanitize: bootstrap
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-sanitize
