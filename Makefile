# Two commands set everything up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Zarn
#   make test   installs what is missing, builds and runs the whole suite headless
# and one more for a release:
#   make package  builds the Debian package build/package/zarn_<version>_<arch>.deb
.PHONY: all deps build run test clean package

PRESET ?= default
BUILD_DIR := build/$(PRESET)

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET) -j2

run: build
	@if [ -x $(BUILD_DIR)/src/app/zarn ]; then \
	  exec $(BUILD_DIR)/src/app/zarn; \
	else \
	  echo "The main window is not built yet: there is no zarn executable to start."; \
	fi

# Its own release build tree (build/package, installation prefix /usr), then CPack.
package: deps
	cmake --preset package
	cmake --build --preset package
	cpack --preset package

clean:
	rm -rf build
