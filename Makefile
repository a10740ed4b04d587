# Tandrel: the two commands are `make run` and `make test`; see README.md.
# Each step prints a line or two of its own; the programs and the test
# runner do the rest of the talking.
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc)
BUILD_TYPE ?= Release
export JOBS BUILD_TYPE

.PHONY: all deps build host x64 x86 test run preview screenshots bench dist clean

all: build

deps:
	@scripts/setup-deps.sh

# Native tools (skin packer) and native tests: the cross builds use the packer.
host: deps
	@scripts/build.sh host

x64: host
	@scripts/build.sh x64

x86: host
	@scripts/build.sh x86

build: host x64 x86
	@scripts/collect-outputs.sh

# The whole suite on both builds, each under the Wine of its size.
test: build
	@scripts/with-wine.sh --own-display scripts/run-tests.sh

# The product, the 32-bit program (the 64-bit one where 32-bit programs
# cannot run here).
run: build
	@scripts/run-program.sh Tandrel.exe

# The skin previewer on the default skin (the one it carries); File > Open
# and drag and drop take others, such as those under out/skins.
preview: build
	@scripts/run-program.sh skinview.exe

# The README's pictures (docs/*.png), taken from the real program under Xvfb.
screenshots: build
	@scripts/with-wine.sh --own-display scripts/screenshots.sh docs

# A screen larger than the tests' so that a 1920 x 1080 window fits.
bench: build
	@TANDREL_SCREEN=2560x1440x24 scripts/with-wine.sh --own-display scripts/run-benchmarks.sh

# The downloads of the product in dist/: the setup, the portable zip and
# their SHA256SUMS.
dist: build
	@scripts/dist.sh

clean:
	rm -rf build out dist
