# make       install what is missing, build everything, write the module and
#            the previews
# make test  build, then run every test
BUILD := build
NATIVE := $(BUILD)/native
WIN32 := $(BUILD)/win32
JOBS ?= 2

.PHONY: all test deps native win32 preview clean

all: preview

deps:
	@scripts/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win32: native
	@cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release \
	  --toolchain cmake/i686-w64-mingw32.cmake \
	  -DVEXMOOR_ART_DIR=$(abspath $(NATIVE))/art \
	  -DVEXMOOR_OUTPUT_DIR=$(abspath $(BUILD)) >/dev/null
	@cmake --build $(WIN32) -j $(JOBS)

preview: win32
	@scripts/previews $(BUILD)/vexpanel $(BUILD)/vexmoor.gau $(BUILD)/preview

test: all
	cd $(NATIVE) && ctest --output-on-failure

clean:
	rm -rf $(BUILD)
