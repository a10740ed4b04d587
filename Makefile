# Tandrel: the two commands are `make run` and `make test`; see README.md.
JOBS ?= $(shell nproc)
BUILD_TYPE ?= Release
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -Wno-dev

.PHONY: all deps build configure host x64 x86 test run preview screenshots bench fuzz clean

all: build

deps:
	@scripts/setup-deps.sh

# Native tools (skin packer) and native tests: the cross builds use the packer.
host: deps
	@cmake -S . -B build/host $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/host -j $(JOBS)

x64: host
	@cmake -S . -B build/x64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	  -DTANDREL_HOST_BUILD=$(CURDIR)/build/host $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/x64 -j $(JOBS)

x86: host
	@cmake -S . -B build/x86 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DTANDREL_HOST_BUILD=$(CURDIR)/build/host -DTANDREL_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/x86 -j $(JOBS)

build: host x64 x86
	@scripts/collect-outputs.sh

test: build
	@scripts/with-wine.sh --own-display ctest --test-dir build/x64 --output-on-failure

run: build
	@cp -f out/x64/mouse.ico build/run/ 2>/dev/null || (mkdir -p build/run && cp -f out/x64/mouse.ico build/run/)
	@cp -f out/x64/Tandrel.exe build/run/
	@cd build/run && ../../scripts/with-wine.sh /usr/lib/wine/wine64 Tandrel.exe

# The skin previewer on the default skin (the one it carries); File > Open
# and drag and drop take others, such as those under out/skins.
preview: build
	@cd out/x64 && ../../scripts/with-wine.sh /usr/lib/wine/wine64 skinview.exe

# The README's pictures (docs/*.png), taken from the real program under Xvfb.
screenshots: build
	@scripts/with-wine.sh --own-display scripts/screenshots.sh docs

# A screen larger than the tests' so that a 1920 x 1080 window fits.
bench: build
	@TANDREL_SCREEN=2560x1440x24 scripts/with-wine.sh --own-display scripts/run-benchmarks.sh

clean:
	rm -rf build out
