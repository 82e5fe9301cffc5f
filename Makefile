# The commands a newcomer needs: `make run`, `make test` and `make package`. PRESET picks the build
# (debug, release, asan); the package always comes from its own release build.
PRESET ?= debug
BUILD := build/$(PRESET)
ARGS ?=

.PHONY: run test build deps package package-test bench fuzz format clean

# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) --parallel 2

run: build
	$(BUILD)/shell/veloramac $(ARGS)

# Every test, the Debian package, then each fuzz target briefly in its own clang build.
test: build
	ctest --preset $(PRESET) --parallel 2
	$(MAKE) package-test
	$(MAKE) fuzz FUZZ_SECONDS=5

# build/package/veloramac_<version>_<arch>.deb
package: deps
	cmake --preset package
	cmake --build --preset package --parallel 2
	rm -f build/package/veloramac_*.deb
	cpack --preset package

package-test: package
	tests/package/check-package.sh build/package/veloramac_*.deb

bench:
	$(MAKE) build PRESET=release
	for b in text speech library import playback views loading memory startup; do build/release/bench/bench_$$b || exit 1; done

fuzz: deps
	cmake --preset fuzz -DVELORA_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset fuzz --target fuzz_all --parallel 2
	cd build/fuzz && ctest -L fuzz --output-on-failure

format:
	git ls-files '*.cpp' '*.hpp' | xargs clang-format -i

clean:
	rm -rf build
