# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    install what is missing, build into build/, open the window
#   make test   the same plus the test packages, then every test
# Further targets: build, bench, fuzz, package, screenshot, clean; for Windows
# windows (the program, the zip, the installer), windows-check (their tests
# under Wine), windows-bench, windows-screenshot; for a browser web (the one
# offline file and the site), web-check (its tests in Chromium), web-bench.

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

RUN_PACKAGES   := g++ make cmake qt6-base-dev libgl-dev fonts-liberation2 qt6-translations-l10n
TEST_PACKAGES  := $(RUN_PACKAGES) libgtest-dev xvfb x11-utils imagemagick \
                  desktop-file-utils appstream dpkg-dev file lintian \
                  libxml2-utils shared-mime-info poppler-utils \
                  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 xdotool clang-format \
                  libbenchmark-dev
BENCH_PACKAGES := $(RUN_PACKAGES) libbenchmark-dev
# the static Qt's build (Debian's qt6-base source, its host tools), the
# cross-build, the installer, and the checks under Wine beside the Linux program
WINDOWS_PACKAGES := $(RUN_PACKAGES) g++-mingw-w64-x86-64-posix dpkg-dev xz-utils perl ninja-build \
                  googletest nsis
WINDOWS_CHECK_PACKAGES := $(WINDOWS_PACKAGES) wine wine64 xvfb x11-utils xdotool \
                  imagemagick unzip file python3
# the page in a browser: Debian's emscripten, and Chromium for its tests
# (Node.js comes with emscripten, or is used as installed)
WEB_PACKAGES   := emscripten
WEB_CHECK_PACKAGES := $(WEB_PACKAGES) chromium fonts-liberation2
FUZZ_PACKAGES  := $(RUN_PACKAGES) clang libclang-rt-14-dev
SHOT_PACKAGES  := $(RUN_PACKAGES) xvfb x11-utils xdotool imagemagick poppler-utils

# install the Debian packages of $(1) that are not installed yet
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

# install the Debian packages $(1) (used where a command, not a package, is missing)
apt_install = { $(SUDO) apt-get update -qq && \
    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $(1); }

.PHONY: run test build bench fuzz screenshot package windows windows-check windows-bench \
        windows-screenshot linux-program web web-check web-bench web-screenshot clean \
        deps-run deps-test deps-bench deps-package deps-fuzz deps-windows deps-windows-check \
        deps-web deps-web-check

run: deps-run build
	./$(BUILD)/src/plane-figures

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# every test, then every test again built with AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails); the sanitized build also
# builds the benchmarks and runs each once, untimed, so they keep compiling
# and running
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers.supp:print_suppressions=0

test: deps-test build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DPLANE_FIGURES_SANITIZE=ON \
	    -DPLANE_FIGURES_BENCH=ON
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps-bench
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DPLANE_FIGURES_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS) --target figures_bench classset_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)-bench/bench/figures_bench --benchmark_min_time=0.5 \
	    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	./$(BUILD)-bench/bench/classset_bench --benchmark_min_time=2 \
	    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

# the point-file reader and the exercise loading path under libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer for FUZZ_SECONDS; what it
# learns stays in $(BUILD)-fuzz/corpus, a crash is written to $(BUILD)-fuzz/
# (add it to tests/fuzz/corpus once mended, and make test replays it)
FUZZ_SECONDS ?= 600
fuzz: deps-fuzz
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	    -DCMAKE_CXX_COMPILER=clang++ -DPLANE_FIGURES_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target pointfile_fuzz
	mkdir -p $(BUILD)-fuzz/corpus
	$(SANITIZER_ENV) ./$(BUILD)-fuzz/tests/fuzz/pointfile_fuzz -max_total_time=$(FUZZ_SECONDS) \
	    -dict=tests/fuzz/pfig.dict -artifact_prefix=$(BUILD)-fuzz/ -print_final_stats=1 \
	    $(BUILD)-fuzz/corpus tests/fuzz/corpus

# a Debian package in build/: apt install ./build/plane-figures_*.deb
package: deps-package build
	cd $(BUILD) && cpack -G DEB

# The Windows program: a static Qt for Windows built once from Debian's source
# into a cache outside the clone (scripts/windows/build-qt.sh; about 40
# minutes the first time), then the program cross-built against it, with the
# zip and the installer, into $(BUILD)-windows/.
WINDOWS := $(BUILD)-windows
windows: deps-windows
	scripts/windows/deb-src.sh
	qt=$$(scripts/windows/build-qt.sh | tail -n 1) && \
	cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake -DQT_HOST_PATH=/usr \
	    -DPLANE_FIGURES_GTEST_SOURCE=/usr/src/googletest \
	    -DPLANE_FIGURES_LINUX_PROGRAM=$(CURDIR)/$(BUILD)/src/plane-figures
	cmake --build $(WINDOWS) -j $(JOBS) --target plane-figures windows_packages
	@ls -l $(WINDOWS)/plane-figures.exe $(WINDOWS)/plane-figures-*-windows.zip $(WINDOWS)/plane-figures-*-setup.exe

# Every test of the Windows build under Wine, on its own Xvfb display, in a
# fresh Wine prefix: the analysis' GoogleTest suite, the window's Qt Test
# suites, the executable and the zip, the window beside the Linux program's,
# the installer.
windows-check: deps-windows-check windows linux-program
	cmake --build $(WINDOWS) -j $(JOBS)
	scripts/windows/wine-prefix.sh $(CURDIR)/$(WINDOWS)/wine
	cd $(WINDOWS) && WINEPREFIX=$(CURDIR)/$(WINDOWS)/wine WINEDEBUG=-all \
	    $(CURDIR)/scripts/on-xvfb.sh "-screen 0 1024x768x24" ctest --output-on-failure --timeout 300

# start-up of the window against a bare Qt window built with the same Qt
windows-bench: deps-windows-check windows
	cmake --build $(WINDOWS) -j $(JOBS) --target bare-window winprobe
	scripts/windows/startup-bench.sh $(WINDOWS)

# the Windows program under Wine after the clicks of docs/window.png
windows-screenshot: deps-windows-check windows
	scripts/windows/wine-prefix.sh $(CURDIR)/$(WINDOWS)/wine
	WINEPREFIX=$(CURDIR)/$(WINDOWS)/wine scripts/windows/screenshot.sh \
	    $(WINDOWS)/plane-figures.exe docs/window-windows.png

# the Linux program alone, which the Windows one is compared with
linux-program: deps-run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target plane-figures

screenshot: deps-shot build
	scripts/screenshot.sh $(BUILD)/src/plane-figures docs/window.png docs/chosen-figure.png
	scripts/sheets.sh $(BUILD)/src/plane-figures docs
	scripts/classset.sh $(BUILD)/src/plane-figures docs
	scripts/task.sh $(BUILD)/src/plane-figures docs

# The page in a browser: the session compiled to WebAssembly by emscripten
# (Debian's needs NODE_PATH for its acorn), the page's TypeScript checked and
# bundled by esbuild into $(WEB)/plane-figures.html, the one file that opens
# offline, and $(WEB)/site/ for a school's web server. The npm packages are
# development tools only, as web/package-lock.json pins them.
WEB := $(BUILD)-web
EMSCRIPTEN := NODE_PATH=/usr/share/nodejs
web: deps-web web/node_modules/.package-lock.json
	$(EMSCRIPTEN) emcmake cmake -S . -B $(WEB)/wasm -DCMAKE_BUILD_TYPE=Release \
	    -DPLANE_FIGURES_GUI=OFF -DPLANE_FIGURES_TESTS=OFF -DPLANE_FIGURES_WEB=ON
	$(EMSCRIPTEN) cmake --build $(WEB)/wasm -j $(JOBS) \
	    --target plane-figures-core plane-figures-scenarios
	cd web && npx tsc --noEmit -p .
	node web/build.mjs $(WEB)/wasm/web $(WEB)

web/node_modules/.package-lock.json: web/package-lock.json
	cd web && npm ci --no-audit --no-fund

# the page's tests in Debian's Chromium, beside the Linux program whose
# reports and files it must equal
web-check: deps-web-check web linux-program
	cd web && PLANE_FIGURES_WEB=$(CURDIR)/$(WEB) PLANE_FIGURES_PROGRAM=$(CURDIR)/$(BUILD)/src/plane-figures \
	    node --test tests/

# the pictures of the page for the README, at a tablet's size and a phone's
web-screenshot: deps-web-check web
	node web/screenshot.mjs docs

# the page's size, start-up and speed beside the native analysis (the
# benchmark program of make bench)
web-bench: deps-web-check deps-bench web linux-program
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DPLANE_FIGURES_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS) --target figures_bench
	PLANE_FIGURES_WEB=$(CURDIR)/$(WEB) PLANE_FIGURES_PROGRAM=$(CURDIR)/$(BUILD)/src/plane-figures \
	    FIGURES_BENCH=$(CURDIR)/$(BUILD)-bench/bench/figures_bench node web/bench.mjs

deps-run:
	$(call install_missing,$(RUN_PACKAGES))
deps-test:
	$(call install_missing,$(TEST_PACKAGES))
deps-bench:
	$(call install_missing,$(BENCH_PACKAGES))
deps-package:
	$(call install_missing,$(RUN_PACKAGES) dpkg-dev file)
deps-fuzz:
	$(call install_missing,$(FUZZ_PACKAGES))
deps-windows:
	$(call install_missing,$(WINDOWS_PACKAGES))
deps-windows-check:
	$(call install_missing,$(WINDOWS_CHECK_PACKAGES))
deps-web:
	$(call install_missing,$(WEB_PACKAGES))
	@command -v node >/dev/null || $(call apt_install,nodejs)
	@command -v npm >/dev/null || $(call apt_install,npm)
deps-web-check: deps-web
	$(call install_missing,$(WEB_CHECK_PACKAGES))
deps-shot:
	$(call install_missing,$(SHOT_PACKAGES))

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-sanitize $(BUILD)-windows $(BUILD)-fuzz $(WEB)
